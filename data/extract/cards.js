// The two HTML fragments of a dictionary row, for QTextBrowser's HTML subset: tables
// with width/bgcolor attributes, sizes in px, no CSS percentages or em.
//   jijie: a card with the character, its readings and its numerology facts;
//   xiangjie: the project's Chinese meaning (字义, 寓意, 出处, words) where it has one, then the
//   English senses per reading and common words, labelled 英文释义.
'use strict';

const { escapeHtml } = require('./tables.js');

const COLOURS = {
  card: '#fbf6ec', glyph: '#f1e3c6', label: '#8a6a3a', reading: '#9c2b1e', rule: '#e2d3b5',
  word: '#5a4630', element: { 木: '#2e7d32', 火: '#c62828', 土: '#8d6e2f', 金: '#b8860b', 水: '#1565c0' },
};

const LEVEL_NAMES = { 1: '通用规范汉字一级字（常用字）', 2: '通用规范汉字二级字', 3: '通用规范汉字三级字' };

// kTGH "2013:1087": the first 3,500 characters are level 1, up to 6,500 level 2, the rest 3.
function tghLevel(kTGH) {
  const m = /^2013:(\d+)/.exec(kTGH || '');
  if (!m) return 0;
  const n = Number(m[1]);
  return n <= 3500 ? 1 : n <= 6500 ? 2 : 3;
}

// The dictionary window makes the characters inside these spans links to their entries (a
// word, a traditional form); the running text stays plain.
function linkable(html) {
  return `<span class="links">${html}</span>`;
}

// Label cells: only the first row states the column width.
function labelCell(text, first) {
  return `<td${first ? ' width="76"' : ''}><font color="${COLOURS.label}">${text}</font></td>`;
}

// The form a Kangxi radical takes inside a character, told apart by the strokes it adds
// (total minus residual): 江 has 氵 (3), 泉 has 水 (4). Radicals whose forms share a count
// (亻/人, 刂/刀, 灬/火) keep the Kangxi form; 艸, 辵 and 竹 take their component form in
// every character but themselves.
const POSITION_FORMS = new Map([
  [61, [['忄', 3], ['心', 4]]], [64, [['扌', 3], ['手', 4]]], [85, [['氵', 3], ['水', 4]]],
  [94, [['犭', 3], ['犬', 4]]], [96, [['王', 4], ['玉', 5]]], [113, [['礻', 4], ['示', 5]]],
  [122, [['罒', 5], ['网', 6]]], [125, [['耂', 4], ['老', 6]]], [130, [['月', 4], ['肉', 6]]],
  [145, [['衤', 5], ['衣', 6]]],
  [163, [['阝', 2], ['邑', 7]]], [170, [['阝', 2], ['阜', 8]]],
]);
const ALWAYS_COMPONENT = new Map([[118, '⺮'], [140, '艹'], [162, '辶']]);

// radical: Kangxi number; totalStrokes, residual: the character's (simplified) counts.
// Returns the common form, or '' when the Kangxi glyph already is it or it cannot be told.
function componentForm(radical, totalStrokes, residual) {
  if (!(residual > 0)) return '';
  if (ALWAYS_COMPONENT.has(radical)) return ALWAYS_COMPONENT.get(radical);
  const forms = POSITION_FORMS.get(radical);
  const found = forms && forms.find(([, strokes]) => strokes === totalStrokes - residual);
  return found ? found[0] : '';
}

// c: { zi, readings: [marked…] (usual first), radical, simplifiedStrokes, kangxiStrokes,
//      traditional, simplified (set for a traditional character), element, elementHow, level }
function jijieHtml(c) {
  const readings = c.readings.map((r, i) => (i === 0 ? `<b>${escapeHtml(r)}</b>` : escapeHtml(r))).join('　');
  const elementColour = COLOURS.element[c.element] || '#000000';
  const elementNote = c.elementHow === 'cnchar' || c.elementHow === 'simplified' ? ''
    : ` <font color="${COLOURS.label}">（按${c.elementHow === 'radical' ? '部首' : '读音'}推定）</font>`;
  const radical = !c.radical ? '—'
    : c.kangxiRadical && c.kangxiRadical !== c.radical ? `${escapeHtml(c.radical)}（康熙部首 ${escapeHtml(c.kangxiRadical)}）`
      : escapeHtml(c.radical);
  const rows = [
    ['拼音', c.readings.map(escapeHtml).join('、')],
    ['部首', radical],
    ['笔画', `简体 ${c.simplifiedStrokes}　康熙 <b>${c.kangxiStrokes}</b>`],
    // A traditional character names its simplified form; any other its traditional one.
    c.simplified ? ['简体', linkable(escapeHtml(c.simplified))]
      : ['繁体', c.traditional === c.zi ? `${escapeHtml(c.zi)}（繁简同形）` : linkable(escapeHtml(c.traditional))],
    ['五行', `<font color="${elementColour}"><b>${c.element}</b></font>${elementNote}`],
    ['规范字', c.level ? LEVEL_NAMES[c.level] : '不在《通用规范汉字表》内'],
  ];
  return `<table width="100%" cellspacing="0" cellpadding="8" bgcolor="${COLOURS.card}"><tr>`
    + `<td width="112" align="center" bgcolor="${COLOURS.glyph}"><span style="font-size:72px;">${escapeHtml(c.zi)}</span></td>`
    + `<td><p style="font-size:22px;"><font color="${COLOURS.reading}">${readings}</font></p>`
    + '<table cellspacing="0" cellpadding="2" style="font-size:15px;">'
    + rows.map(([k, v], i) => `<tr>${labelCell(k, i === 0)}<td>${v}</td></tr>`).join('')
    + '</table></td></tr></table>';
}

// ---- the project's Chinese entry --------------------------------------------

// The fields of a row of data/tables/字义 hold lists: readings and sources split at ｜, words at 、.
const splitList = (text, sep) => (text ? text.split(sep).map((s) => s.trim()).filter(Boolean) : []);

// "xuān：义项；义项。｜xuǎn：…" -> [{ reading, senses }]
function readingBlocks(text) {
  return splitList(text, '｜').map((block) => {
    const at = block.indexOf('：');
    return at < 0 ? { reading: '', senses: block } : { reading: block.slice(0, at).trim(), senses: block.slice(at + 1).trim() };
  });
}

// "《诗经·卫风·伯兮》：“焉得谖草，言树之背。”" -> { work, text }
function sourceParts(text) {
  return splitList(text, '｜').map((part) => {
    const m = /^(《[^》]+》)：?(.*)$/.exec(part);
    return m ? { work: m[1], text: m[2].trim() } : { work: '', text: part };
  });
}

// A section heading of the Chinese entry; the surname page uses it too.
function heading(text) {
  return `<p style="font-size:16px;"><font color="${COLOURS.label}"><b>${text}</b></font></p>`;
}

// The Chinese part of xiangjie: 字义 one line a reading, 寓意, 出处, 词语.
function meaningHtml(m) {
  const parts = [heading('基本字义')];
  for (const b of readingBlocks(m.字义)) {
    parts.push(`<p style="font-size:15px;">${b.reading ? `<font color="${COLOURS.reading}"><b>${escapeHtml(b.reading)}</b></font>　` : ''}`
      + `${escapeHtml(b.senses)}</p>`);
  }
  if (m.寓意) parts.push(heading('取名寓意'), `<p style="font-size:15px;">${escapeHtml(m.寓意)}</p>`);
  const sources = sourceParts(m.出处);
  if (sources.length) {
    parts.push(heading('出处'));
    for (const s of sources) parts.push(`<p style="font-size:15px;"><b>${escapeHtml(s.work)}</b>${s.work ? '：' : ''}${escapeHtml(s.text)}</p>`);
  }
  const words = splitList(m.词语, '、');
  if (words.length) {
    parts.push(heading('取名词语'),
      `<p style="font-size:16px;">${words.map((w) => `<span class="links">${escapeHtml(w)}</span>`).join('　')}</p>`);
  }
  return parts.join('');
}

// ---- the English senses and words ----------------------------------------------

// Senses a parent should not meet first: countries, dynasties, surnames, proper names and
// cross-references that point back at the character itself.
function isBackSense(zi, gloss) {
  if (/^(surname|(old |archaic |Japanese )?variant of|abbr\. for|see |used in |\(Japanese|Japanese )/i.test(gloss)) return true;
  if (/\b(Dynasty|dynasty|Kingdom|Republic|Empire|surname|Japanese)\b/.test(gloss)) return true;
  if (/^[A-Z][a-z]/.test(gloss)) return true; // Germany, United Kingdom, Mori …
  return gloss.includes(`variant of ${zi}`);
}

function orderSenses(zi, glosses) {
  return [...glosses.filter((g) => !isBackSense(zi, g)), ...glosses.filter((g) => isBackSense(zi, g))];
}

// Words kept out of a baby's word list: diseases, disasters, death, slang and vulgarity.
const UNFIT_GLOSS = /\b(disease|illness|sick|syndrome|infection|fever|tumou?r|cancer|varicose|epidemic|plague|leprosy|ulcer|poison|toxic|disaster|catastrophe|calamity|holocaust|massacre|war|famine|flood|earthquake|death|die|dead|died|corpse|funeral|kill|murder|suicide|slang|vulgar|derogatory|offensive|obscene|prostitut\w*|brothel|penis|vagina|excrement|feces|urine|drug|opium)\b/i;
const UNFIT_WORDS = new Set(['浩劫', '雅司', '静脉曲张', '雅司病', '劫难', '浩劫余生']);

function fitWord(w) {
  return !UNFIT_WORDS.has(w.word) && !UNFIT_GLOSS.test(w.gloss);
}

// senses: [{ reading, glosses: [text…] }]; words: [{ word, reading, gloss }];
// meaning: the project's row for the character (字义, 寓意, 出处, 词语) or undefined.
function xiangjieHtml(zi, senses, words, sourceNote, meaning) {
  const parts = [];
  if (meaning) parts.push(meaningHtml(meaning));
  words = words.filter(fitWord);
  if (senses.length || words.length) {
    parts.push(`<hr/><p style="font-size:16px;"><font color="${COLOURS.label}"><b>英文释义</b></font></p>`);
  }
  for (const s0 of senses) {
    const s = { ...s0, glosses: orderSenses(zi, s0.glosses) };
    parts.push(`<p style="font-size:18px;"><b>${escapeHtml(zi)}</b> `
      + `<font color="${COLOURS.reading}"><b>${escapeHtml(s.reading)}</b></font></p>`
      + `<ol style="font-size:15px;">${s.glosses.map((g) => `<li>${escapeHtml(g)}</li>`).join('')}</ol>`);
  }
  if (words.length) {
    parts.push(`<p style="font-size:16px;"><font color="${COLOURS.label}"><b>常用词</b></font></p>`
      + `<table cellspacing="0" cellpadding="3" style="font-size:15px;">`
      + words.map((w, i) => `<tr><td${i ? '' : ' width="96"'}>${linkable(escapeHtml(w.word))}</td>`
        + `<td${i ? '' : ' width="150"'}><font color="${COLOURS.reading}">${escapeHtml(w.reading)}</font></td>`
        + `<td>${escapeHtml(w.gloss)}</td></tr>`).join('')
      + '</table>');
  }
  if (sourceNote) parts.push(`<p style="font-size:12px;"><font color="${COLOURS.label}">${escapeHtml(sourceNote)}</font></p>`);
  return parts.join('');
}

module.exports = {
  COLOURS, linkable, heading, tghLevel, componentForm, jijieHtml, readingBlocks, sourceParts, splitList, meaningHtml,
  xiangjieHtml, isBackSense, orderSenses, fitWord,
};
