// Builds 字典, 五行 and 用字: every BMP character that Unihan gives a Mandarin reading, with
// its readings, strokes, element and the two HTML fragments; 用字 holds what the name check
// reads (通用规范 level, radical, every reading, the standard form of a variant). Characters outside the
// BMP are left out: the program tests a text one UTF-16 unit at a time, so they could
// never be looked up.
'use strict';

const path = require('path');

const { readUnihan, textLines } = require('./unihan.js');
const { readFacts } = require('./tables.js');
const { kangxiStrokes, totalStrokes, parseRadicalStroke } = require('./kangxi.js');
const elements = require('./elements.js');
const { numberedToMarked, plainPinyin } = require('./pinyin.js');
const cards = require('./cards.js');
const meanings = require('./meanings.js');

const UNIHAN_FIELDS = ['kTotalStrokes', 'kRSKangXi', 'kRSUnicode', 'kMandarin', 'kSimplifiedVariant',
  'kDefinition', 'kTGH', 'kFrequency', 'kZVariant', 'kSemanticVariant'];
const MAX_WORDS = 12;

// ---- committed fact tables (TSV with a header line and # comments) -----------

function factsDir() { return __dirname; }

function namingForms(dir = factsDir()) {
  return new Map(readFacts(path.join(dir, 'naming-forms.tsv')).map((r) => [r.zi, r.traditional]));
}

function kangxiCorrections(dir = factsDir()) {
  return new Map(readFacts(path.join(dir, 'kangxi-corrections.tsv')).map((r) => [r.zi, Number(r.bihua)]));
}

// ---- sources ---------------------------------------------------------------

// OpenCC's STCharacters: "简 繁1 繁2|…" as the default export of an ES module; the
// first traditional form is the one OpenCC converts to.
function openccCharacters(moduleText) {
  const start = moduleText.indexOf('"');
  const table = JSON.parse(moduleText.slice(start, moduleText.lastIndexOf('"') + 1));
  const out = new Map();
  for (const entry of table.split('|')) {
    const [simplified, traditional] = entry.split(' ');
    if (simplified && traditional) out.set(simplified, traditional);
  }
  return out;
}

// CJKRadicals.txt: "120'; 2EA2; 7E9F" -> Map("120'" -> "纟")
async function cjkRadicals(file) {
  const out = new Map();
  for await (const line of textLines(file)) {
    const m = /^(\d+'*);\s*[0-9A-F]*;\s*([0-9A-F]+)/.exec(line);
    if (m) out.set(m[1], String.fromCodePoint(parseInt(m[2], 16)));
  }
  return out;
}

function cedictEntries(moduleText) {
  const data = JSON.parse(moduleText.slice(moduleText.indexOf('{')));
  return data.all.map(([traditional, simplified, reading, english]) => ({
    traditional, simplified, reading,
    glosses: (Array.isArray(english) ? english : [english]).filter((g) => typeof g === 'string' && g),
  }));
}

// ---- CC-CEDICT senses and words --------------------------------------------

// "個|个[ge4]" -> "个 (gè)", "暗[an4]" -> "暗 (àn)"
function plainGloss(text) {
  return text
    .replace(/([^\s[\]|,;()]+)\|([^\s[\]|,;()]+)\[([^\]]+)\]/g, (_, t, s, r) => `${s} (${numberedToMarked(r)})`)
    .replace(/([^\s[\]|,;()]+)\[([^\]]+)\]/g, (_, w, r) => `${w} (${numberedToMarked(r)})`);
}

function joinedReading(numbered) {
  return numberedToMarked(numbered).split(' ')
    .map((s, i) => (i > 0 && /^[aoeāáǎàōóǒòēéěè]/.test(s) ? `'${s}` : s)).join('');
}

const NOT_A_WORD_GLOSS = /^((old|archaic|euphemistic|erhua|Japanese) )?variant of|^see |^used in |^abbr\. for|^surname |^\((Tw|Cantonese)\)/;

function indexCedict(entries) {
  const singles = new Map();
  const words = new Map();
  const add = (map, key, i) => {
    const list = map.get(key);
    if (!list) map.set(key, [i]);
    else if (list[list.length - 1] !== i) list.push(i);
  };
  // How many longer entries contain a word: common words recur in compounds.
  const compounds = new Map();
  for (const e of entries) {
    for (const text of new Set([e.simplified, e.traditional])) {
      const chars = [...text];
      const seen = new Set();
      for (let n = 2; n < chars.length && n <= 4; n++) {
        for (let at = 0; at + n <= chars.length; at++) seen.add(chars.slice(at, at + n).join(''));
      }
      for (const w of seen) compounds.set(w, (compounds.get(w) || 0) + 1);
    }
  }
  entries.forEach((e, i) => {
    const len = [...e.simplified].length;
    if (len === 1) {
      add(singles, e.simplified, i);
      add(singles, e.traditional, i);
    } else if (len <= 4 && e.glosses.length && !/[A-Z]/.test(e.reading) && /^[\u3400-\u9fff]+$/.test(e.simplified)
      && !NOT_A_WORD_GLOSS.test(e.glosses[0])) {
      for (const ch of new Set([...e.simplified, ...e.traditional])) add(words, ch, i);
    }
  });
  return { entries, singles, words, compounds };
}

function sensesOf(zi, readings, cedict) {
  const groups = new Map();
  for (const i of cedict.singles.get(zi) || []) {
    const e = cedict.entries[i];
    const reading = numberedToMarked(e.reading.toLowerCase());
    if (!groups.has(reading)) groups.set(reading, []);
    const list = groups.get(reading);
    for (const g of e.glosses) {
      const text = plainGloss(g);
      if (!list.includes(text)) list.push(text);
    }
  }
  const order = [...readings, ...groups.keys()];
  return [...new Set(order)].filter((r) => groups.has(r)).map((reading) => ({ reading, glosses: groups.get(reading) }));
}

function commonWords(zi, cedict, rankOf) {
  const seen = new Set();
  const scored = [];
  for (const i of cedict.words.get(zi) || []) {
    const e = cedict.entries[i];
    const word = e.simplified.includes(zi) ? e.simplified : e.traditional;
    if (seen.has(word)) continue;
    seen.add(word);
    const ranks = [...word].map(rankOf);
    const inCompounds = cedict.compounds.get(word) || 0;
    scored.push({
      key: [ranks.every((r) => r <= 6) ? 0 : 1, -Math.min(4, Math.floor(Math.log2(1 + inCompounds))),
        ranks.length === 2 ? 0 : 1, ranks.reduce((a, b) => a + b, 0), i],
      word, reading: joinedReading(e.reading), gloss: plainGloss(e.glosses[0]),
    });
  }
  scored.sort((a, b) => {
    for (let k = 0; k < a.key.length; k++) if (a.key[k] !== b.key[k]) return a.key[k] - b.key[k];
    return 0;
  });
  return scored.slice(0, MAX_WORDS).map(({ word, reading, gloss }) => (
    { word, reading, gloss: gloss.length > 70 ? `${gloss.slice(0, 67)}…` : gloss }));
}

// ---- the build -------------------------------------------------------------

const INITIAL = /^(zh|ch|sh|[bpmfdtnlgkhjqxrzcsyw])/;

function firstChar(codes) {
  const m = /U\+([0-9A-F]+)/.exec(codes || '');
  return m ? String.fromCodePoint(parseInt(m[1], 16)) : '';
}

// The simplified form of a traditional character (龍 -> 龙), else ''.
function simplifiedForm(c, rec) {
  const s = firstChar(rec.kSimplifiedVariant);
  return s && s !== c ? s : '';
}

function allChars(codes) {
  return [...(codes || '').matchAll(/U\+([0-9A-F]+)/g)].map((m) => String.fromCodePoint(parseInt(m[1], 16)));
}

// A character outside the 通用规范 table that stands for one inside it: a traditional form
// (張 -> 张) or a variant (峯 -> 峰). [standard, '繁体' | '异体'], or ['', ''].
function standardFormOf(c, unihan) {
  const level = (ch) => cards.tghLevel((unihan.get(ch) || {}).kTGH);
  if (level(c)) return ['', ''];
  const simplified = simplifiedForm(c, unihan.get(c));
  if (simplified && level(simplified)) return [simplified, '繁体'];
  const rec = unihan.get(c);
  for (const v of [...allChars(rec.kZVariant), ...allChars(rec.kSemanticVariant)]) {
    if (v === c) continue;
    if (level(v)) return [v, '异体'];
    const s = simplifiedForm(v, unihan.get(v) || {});
    if (s && level(s)) return [s, '异体'];
  }
  return ['', ''];
}

async function buildCharacters(ctx) {
  const log = ctx.log || (() => {});
  const src = ctx.sources;
  const unihan = (await readUnihan(src.unihan.files, UNIHAN_FIELDS)).chars;
  const radicalGlyphs = await cjkRadicals(src['cjk-radicals'].files[0]);
  const npmFile = (id, file) => {
    const buf = src[id].files.get(file);
    if (!buf) throw new Error(`${id}: no ${file} in the package`);
    return buf.toString('utf8');
  };
  const opencc = openccCharacters(npmFile('opencc-js', 'dist/esm-lib/dict/STCharacters.js'));
  const cnchar = elements.cncharElements(npmFile('cnchar-info', 'cnchar.info.min.js'));
  const cedict = indexCedict(cedictEntries(npmFile('cc-cedict', 'data/all.js')));
  const { pinyin } = require(path.join(src['pinyin-pro'].dir, 'dist', 'index.js'));
  const forms = namingForms();
  const meaningOf = meanings.meanings();
  log(`字义: ${meaningOf.size} characters written by the project`);
  const corrections = kangxiCorrections();

  const chars = [...unihan.keys()]
    .filter((c) => c.codePointAt(0) <= 0xffff && unihan.get(c).kMandarin)
    .sort((a, b) => a.codePointAt(0) - b.codePointAt(0));

  const readingsOf = new Map();
  for (const c of chars) {
    const mandarin = unihan.get(c).kMandarin.split(' ');
    const usual = pinyin(c);
    const all = pinyin(c, { multiple: true, type: 'array' }).filter((r) => r && r !== c);
    const list = usual && usual !== c ? [usual, ...all] : [...mandarin, ...all];
    readingsOf.set(c, [...new Set(list)]);
  }
  const plainOf = (c) => plainPinyin(readingsOf.get(c)[0]);
  const radicalOf = (c) => {
    const m = /^(\d+'*)\./.exec(unihan.get(c).kRSUnicode || '');
    return m ? m[1] : '';
  };
  const initialOf = (c) => {
    const m = INITIAL.exec(readingsOf.has(c) ? plainOf(c) : '');
    return m ? m[1] : '';
  };
  const knownInData = new Map([...cnchar].filter(([c]) => readingsOf.has(c)));
  const rules = elements.deriveRules(knownInData, radicalOf, initialOf);
  // Commonness of a character, 1 (most) to 12: kFrequency, else its 通用规范 level;
  // a traditional character ranks as its simplified form.
  const ownRank = (ch) => {
    const r = unihan.get(ch) || {};
    if (r.kFrequency) return Number(r.kFrequency);
    const level = cards.tghLevel(r.kTGH);
    return level ? 4 + 2 * level : 12;
  };
  const rankOf = (ch) => {
    const simplified = firstChar((unihan.get(ch) || {}).kSimplifiedVariant);
    return Math.min(ownRank(ch), simplified ? ownRank(simplified) : 12);
  };

  const strokeCtx = { unihan, opencc, namingForms: forms, corrections };
  const elementHow = new Map();
  const strokeHow = new Map();
  const count = (map, key) => map.set(key, (map.get(key) || 0) + 1);
  const dictionary = [];
  const wuxing = [];
  const usage = [];
  for (const c of chars) {
    const rec = unihan.get(c);
    const readings = readingsOf.get(c);
    const simplifiedStrokes = totalStrokes(rec, 'simplified');

    let k = kangxiStrokes(c, strokeCtx);
    if (k.strokes === null) k = { ...k, strokes: simplifiedStrokes, how: 'simplified-count' };
    count(strokeHow, k.how);

    let element = cnchar.get(c);
    let how = 'cnchar';
    if (!element) {
      element = cnchar.get(simplifiedForm(c, rec));
      how = 'simplified';
    }
    if (!element) ({ element, how } = elements.ruleElement(c, rules, radicalOf, initialOf));
    count(elementHow, how);

    const rs = parseRadicalStroke(rec.kRSUnicode);
    const kangxiRadical = rs ? radicalGlyphs.get(String(rs.radical)) : '';
    // A simplified radical (120' 纟, or a second form 120'') is its own glyph in the radicals file.
    const radical = !rs ? ''
      : rs.simplifiedRadical ? radicalGlyphs.get(/^\d+'+/.exec(rec.kRSUnicode)[0])
        : cards.componentForm(rs.radical, simplifiedStrokes, rs.residual) || kangxiRadical;
    const jijie = cards.jijieHtml({
      zi: c, readings, radical, kangxiRadical, simplifiedStrokes, kangxiStrokes: k.strokes,
      traditional: k.traditional, simplified: simplifiedForm(c, rec), element, elementHow: how,
      level: cards.tghLevel(rec.kTGH),
    });
    let senses = sensesOf(c, readings, cedict);
    let note = '英文释义来源：CC-CEDICT';
    if (senses.length === 0 && rec.kDefinition) {
      senses = [{ reading: readings[0], glosses: rec.kDefinition.split(/;\s*/).filter(Boolean) }];
      note = '英文释义来源：Unihan';
    }
    const words = commonWords(c, cedict, rankOf);
    const xiangjie = cards.xiangjieHtml(c, senses, words, senses.length ? note : '', meaningOf.get(c));

    dictionary.push([c, String(simplifiedStrokes), readings[0], plainOf(c), jijie, xiangjie]);
    wuxing.push([c, element, String(k.strokes)]);
    const level = cards.tghLevel(rec.kTGH);
    usage.push([c, level ? String(level) : '', radical || '', readings.join(' '), ...standardFormOf(c, unihan)]);
  }

  const share = (map) => [...map].map(([k, n]) => `${k} ${n} (${(100 * n / chars.length).toFixed(1)}%)`).join(', ');
  log(`五行 elements: ${share(elementHow)}`);
  log(`五行 rule (radical, else initial) agrees with cnchar-info on `
    + `${(100 * elements.ruleAgreement(knownInData, rules, radicalOf, initialOf)).toFixed(1)}% of its characters`);
  log(`五行 Kangxi counts: ${share(strokeHow)}`);
  return {
    '字典.tsv': { header: ['zi', 'bihua', 'pinyin', 'py', 'jijie', 'xiangjie'], rows: dictionary },
    '五行.tsv': { header: ['zi', 'wuxing', 'bihua'], rows: wuxing },
    '用字.tsv': { header: ['zi', '级别', '部首', '读音', '规范字', '异形'], rows: usage },
  };
}

// Both tables come from one pass; the builders of the two files share it.
const built = new WeakMap();
function tableBuilder(file) {
  return (ctx) => {
    if (!built.has(ctx.sources)) built.set(ctx.sources, buildCharacters(ctx));
    return built.get(ctx.sources).then((tables) => tables[file]);
  };
}

module.exports = {
  buildCharacters, tableBuilder, openccCharacters, cedictEntries, indexCedict, sensesOf, commonWords,
  plainGloss, joinedReading, namingForms, kangxiCorrections, standardFormOf,
};
