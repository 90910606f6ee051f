// The two HTML fragments of a dictionary row, for QTextBrowser's HTML subset: tables
// with width/bgcolor attributes, sizes in px, no CSS percentages or em.
//   jijie: a card with the character, its readings and its numerology facts;
//   xiangjie: the English senses per reading (names and pointers last) and common words.
'use strict';

const COLOURS = {
  card: '#fbf6ec', glyph: '#f1e3c6', label: '#8a6a3a', reading: '#9c2b1e', rule: '#e2d3b5',
  word: '#5a4630', element: { 木: '#2e7d32', 火: '#c62828', 土: '#8d6e2f', 金: '#b8860b', 水: '#1565c0' },
};

function escapeHtml(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

const LEVEL_NAMES = { 1: '一级字', 2: '二级字', 3: '三级字' };

// kTGH "2013:1087": the first 3,500 characters are level 1, up to 6,500 level 2, the rest 3.
function tghLevel(kTGH) {
  const m = /^2013:(\d+)/.exec(kTGH || '');
  if (!m) return 0;
  const n = Number(m[1]);
  return n <= 3500 ? 1 : n <= 6500 ? 2 : 3;
}

// Label cells: only the first row states the column width.
function labelCell(text, first) {
  return `<td${first ? ' width="76"' : ''}><font color="${COLOURS.label}">${text}</font></td>`;
}

// c: { zi, readings: [marked…] (usual first), radical, simplifiedStrokes, kangxiStrokes,
//      traditional, simplified (set for a traditional character), element, elementHow, level }
function jijieHtml(c) {
  const readings = c.readings.map((r, i) => (i === 0 ? `<b>${escapeHtml(r)}</b>` : escapeHtml(r))).join('　');
  const elementColour = COLOURS.element[c.element] || '#000000';
  const elementNote = c.elementHow === 'cnchar' || c.elementHow === 'simplified' ? ''
    : ` <font color="${COLOURS.label}">（按${c.elementHow === 'radical' ? '部首' : '声母'}推定）</font>`;
  const rows = [
    ['部首', escapeHtml(c.radical || '—')],
    ['笔画', `现行 ${c.simplifiedStrokes}　康熙 <b>${c.kangxiStrokes}</b>`],
    // A traditional character names its simplified form; any other its traditional one.
    c.simplified ? ['简体', escapeHtml(c.simplified)]
      : ['繁体', c.traditional === c.zi ? `${escapeHtml(c.zi)}（繁简同形）` : escapeHtml(c.traditional)],
    ['五行', `<font color="${elementColour}"><b>${c.element}</b></font>${elementNote}`],
    ['通用规范', c.level ? LEVEL_NAMES[c.level] : '表外字'],
  ];
  return `<table width="100%" cellspacing="0" cellpadding="8" bgcolor="${COLOURS.card}"><tr>`
    + `<td width="112" align="center" bgcolor="${COLOURS.glyph}"><span style="font-size:72px;">${escapeHtml(c.zi)}</span></td>`
    + `<td><p style="font-size:22px;"><font color="${COLOURS.reading}">${readings}</font></p>`
    + '<table cellspacing="0" cellpadding="2" style="font-size:15px;">'
    + rows.map(([k, v], i) => `<tr>${labelCell(k, i === 0)}<td>${v}</td></tr>`).join('')
    + '</table></td></tr></table>';
}

// Senses a parent should not meet first: a country, a dynasty, a surname, a place or person
// name, or a pointer to another form ("variant of 睿"). They keep their place at the end.
const NAME_LIKE = [
  /\bsurname\b/i, /\bdynasty\b/i, /\b(kingdom|state|county|prefecture|province|district) (of|in)\b/i,
  /^(Germany|German|United Kingdom|UK|Britain|British|England|English|France|French|Japan|Japanese|Russia|Russian|America|American|USA|US|India|Indian|Italy|Italian|Spain|Spanish|Holland|Dutch|Korea|Korean|Mongolia|Mongolian|Tibet|Tibetan|Taiwan|Singapore|Malaysia|Thailand|Vietnam|Burma|Myanmar|Australia|Canada|Mexico|Brazil|Egypt|Turkey|Israel|Greece|Poland|Sweden|Norway|Denmark|Finland|Austria|Switzerland|Belgium|Portugal|Ireland|Netherlands|Indonesia|Philippines|Cambodia|Laos|Nepal|Pakistan|Iran|Iraq|Arabia|Africa|Europe|Asia)\b/,
  /\b(variant of|used in|see also|abbr\. for|abbr\. of|used for)\b/i, /\(Japanese surname\)|\(Korean surname\)/i,
];
// Words kept out of a name character's word list: illness, disaster, death, crime, slang.
const WORD_BLACKLIST = [/\b(disease|illness|infect|tumou?r|cancer|syphilis|gonorrh|leprosy|plague|epidemic|disaster|catastroph|calamit|massacre|holocaust|genocide|corpse|funeral|suicide|murder|criminal|prostitut|brothel|porn|obscene|vulgar|slang|feces|faeces|heroin|opium)/i, /\b(yaws|varicose|die|died|dies|dying|death|dead|kill|killed|killing|crime|swear|curse|fart|urine|toilet|drugs?|war|wars)\b/i];

function isNameLike(gloss) {
  return NAME_LIKE.some((re) => re.test(gloss));
}

// The glosses in the order a parent should read them, without one that only points back to
// the character itself ("old variant of 萱" on 萱).
function orderGlosses(zi, glosses) {
  const self = new RegExp(`\\b(variant|form) of ${zi}(?![\\u4e00-\\u9fff])`);
  const kept = glosses.filter((g) => !self.test(g));
  return [...kept.filter((g) => !isNameLike(g)), ...kept.filter(isNameLike)];
}

function wordAllowed(w) {
  return !WORD_BLACKLIST.some((re) => re.test(w.gloss || ''));
}

// senses: [{ reading, glosses: [text…] }]; words: [{ word, reading, gloss }]. The English comes
// last, under its own heading, and the readings whose senses are all names after the others.
function xiangjieHtml(zi, senses, words, sourceNote) {
  const parts = [];
  const ordered = senses.map((s) => ({ reading: s.reading, glosses: orderGlosses(zi, s.glosses) }))
    .filter((s) => s.glosses.length > 0);
  const primary = ordered.filter((s) => !s.glosses.every(isNameLike));
  const rest = ordered.filter((s) => s.glosses.every(isNameLike));
  if (ordered.length) parts.push(`<p style="font-size:16px;"><font color="${COLOURS.label}"><b>英文释义</b></font></p>`);
  words = words.filter(wordAllowed);
  for (const s of [...primary, ...rest]) {
    parts.push(`<p style="font-size:18px;"><b>${escapeHtml(zi)}</b> `
      + `<font color="${COLOURS.reading}"><b>${escapeHtml(s.reading)}</b></font></p>`
      + `<ol style="font-size:15px;">${s.glosses.map((g) => `<li>${escapeHtml(g)}</li>`).join('')}</ol>`);
  }
  if (words.length) {
    parts.push(`<p style="font-size:16px;"><font color="${COLOURS.label}"><b>常用词</b></font></p>`
      + `<table cellspacing="0" cellpadding="3" style="font-size:15px;">`
      + words.map((w, i) => `<tr><td${i ? '' : ' width="96"'}>${escapeHtml(w.word)}</td>`
        + `<td${i ? '' : ' width="150"'}><font color="${COLOURS.reading}">${escapeHtml(w.reading)}</font></td>`
        + `<td>${escapeHtml(w.gloss)}</td></tr>`).join('')
      + '</table>');
  }
  if (sourceNote) parts.push(`<p style="font-size:12px;"><font color="${COLOURS.label}">${escapeHtml(sourceNote)}</font></p>`);
  return parts.join('');
}

module.exports = { escapeHtml, tghLevel, jijieHtml, xiangjieHtml, orderGlosses, wordAllowed };
