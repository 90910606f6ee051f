// The naming tradition's element (五行) of a character.
//
// cnchar-info gives the element of about 6,800 simplified characters. A character it
// lacks takes, in this order:
//  1. the element cnchar-info gives its simplified form (龍 as 龙);
//  2. the element of its radical, where cnchar-info's own characters with that radical
//     overwhelmingly share one (at least RADICAL_SHARE of at least RADICAL_MIN);
//  3. the element of its initial (五音: lips b p m f 水, tongue d t n l 火, teeth
//     z c s … 金, throat y w 土, molars g k j q 木), each initial taking the element
//     most of cnchar-info's characters with that initial have.
// Both rules are derived from cnchar-info at build time, so they follow its data.
'use strict';

const ELEMENT_CODES = { a: '金', b: '木', c: '水', d: '火', e: '土' };
const RADICAL_SHARE = 0.7;
const RADICAL_MIN = 5;

// The bundle keeps its table as JSON text inside JSON.parse('…') calls: reading that
// text needs no code from the package to run. Each value is method code, element
// code, zhuyin.
function cncharElements(bundleText) {
  const re = /JSON\.parse\('((?:[^'\\]|\\.)*)'\)/g;
  let best = null;
  for (let m; (m = re.exec(bundleText));) {
    const table = JSON.parse(unescapeJsString(m[1]));
    if (!best || Object.keys(table).length > Object.keys(best).length) best = table;
  }
  if (!best || Object.keys(best).length < 1000) throw new Error('cnchar-info: character table not found');
  const out = new Map();
  for (const [ch, code] of Object.entries(best)) {
    const element = ELEMENT_CODES[code[1]];
    if (element) out.set(ch, element);
  }
  return out;
}

// The body of a single-quoted JavaScript string literal as the string it denotes.
function unescapeJsString(body) {
  const simple = { n: '\n', t: '\t', r: '\r', b: '\b', f: '\f', v: '\v', 0: '\0' };
  return body.replace(/\\(u[0-9a-fA-F]{4}|x[0-9a-fA-F]{2}|[^])/g, (_, e) => (
    e.length > 1 ? String.fromCharCode(parseInt(e.slice(1), 16)) : (simple[e] ?? e)));
}

function majority(counts) {
  let best = null;
  let total = 0;
  for (const [key, n] of counts) {
    total += n;
    if (!best || n > best[1] || (n === best[1] && key < best[0])) best = [key, n];
  }
  return best && { value: best[0], share: best[1] / total, total };
}

function tally(map, key, value) {
  let counts = map.get(key);
  if (!counts) map.set(key, (counts = new Map()));
  counts.set(value, (counts.get(value) || 0) + 1);
}

// known: Map(char -> element); radicalOf(ch) and initialOf(ch) give keys or ''.
function deriveRules(known, radicalOf, initialOf) {
  const byRadical = new Map();
  const byInitial = new Map();
  for (const [ch, element] of known) {
    const r = radicalOf(ch);
    if (r) tally(byRadical, r, element);
    tally(byInitial, initialOf(ch), element);
  }
  const radical = new Map();
  for (const [r, counts] of byRadical) {
    const m = majority(counts);
    if (m.total >= RADICAL_MIN && m.share >= RADICAL_SHARE) radical.set(r, m.value);
  }
  const initial = new Map();
  for (const [i, counts] of byInitial) initial.set(i, majority(counts).value);
  return { radical, initial };
}

function ruleElement(ch, rules, radicalOf, initialOf) {
  const r = radicalOf(ch);
  if (r && rules.radical.has(r)) return { element: rules.radical.get(r), how: 'radical' };
  const i = initialOf(ch);
  if (rules.initial.has(i)) return { element: rules.initial.get(i), how: 'initial' };
  return { element: rules.initial.get('') || '土', how: 'initial' };
}

// Share of cnchar-info's own characters on which the rule alone gives its element.
function ruleAgreement(known, rules, radicalOf, initialOf) {
  let same = 0;
  for (const [ch, element] of known) {
    if (ruleElement(ch, rules, radicalOf, initialOf).element === element) same++;
  }
  return known.size ? same / known.size : 0;
}

module.exports = { cncharElements, unescapeJsString, deriveRules, ruleElement, ruleAgreement, RADICAL_SHARE, RADICAL_MIN };
