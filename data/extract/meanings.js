// The project's own Chinese dictionary texts: data/tables/字义/*.tsv (字, 字义, 寓意, 出处, 词语; one
// row a character) and data/tables/百家姓/*.tsv (姓, 读音, 起源, 郡望, 堂号, 名人; one row a surname).
// Any number of files and any subset of characters: a character without a row keeps its
// factual card and the English senses.
'use strict';

const fs = require('fs');
const path = require('path');

const TABLES = path.join(__dirname, '..', 'tables');
const MEANING_DIR = path.join(TABLES, '字义');
const SURNAME_DIR = path.join(TABLES, '百家姓');
const MEANING_HEADER = ['字', '字义', '寓意', '出处', '词语'];
const SURNAME_HEADER = ['姓', '读音', '起源', '郡望', '堂号', '名人'];

function escapeHtml(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

function tsvFiles(dir) {
  if (!fs.existsSync(dir)) return [];
  return fs.readdirSync(dir).filter((f) => f.endsWith('.tsv')).sort().map((f) => path.join(dir, f));
}

// Rows of every file in dir as objects; comment lines skipped, the header checked, a bad row an
// error naming its file and line.
function readRows(dir, header) {
  const rows = [];
  for (const file of tsvFiles(dir)) {
    let seenHeader = false;
    for (const [i, raw] of fs.readFileSync(file, 'utf8').split('\n').entries()) {
      const line = raw.replace(/\r$/, '');
      if (!line.trim() || line.startsWith('#')) continue;
      const f = line.split('\t');
      if (!seenHeader) {
        if (f.join('|') !== header.join('|')) throw new Error(`${file}: header must be ${header.join(' ')}`);
        seenHeader = true;
        continue;
      }
      if (f.length !== header.length) throw new Error(`${file}:${i + 1}: ${f.length} fields, expected ${header.length}`);
      rows.push({ file: path.basename(file), line: i + 1, ...Object.fromEntries(header.map((h, j) => [h, f[j].trim()])) });
    }
  }
  return rows;
}

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

// Map(zi -> { 字义, 寓意, 出处, 词语 }); the first row of a character wins.
function meanings(dir = MEANING_DIR) {
  const out = new Map();
  for (const r of readRows(dir, MEANING_HEADER)) {
    if ([...r.字].length !== 1) throw new Error(`${r.file}:${r.line}: 字 must be one character`);
    if (!out.has(r.字)) out.set(r.字, r);
  }
  return out;
}

function surnames(dir = SURNAME_DIR) {
  const out = new Map();
  for (const r of readRows(dir, SURNAME_HEADER)) if (!out.has(r.姓)) out.set(r.姓, r);
  return out;
}

const C = { label: '#8a6a3a', reading: '#9c2b1e' };

function heading(text) {
  return `<p style="font-size:16px;"><font color="${C.label}"><b>${text}</b></font></p>`;
}

// The Chinese part of xiangjie: 字义 one line a reading, 寓意, 出处, 词语.
function meaningHtml(m) {
  const parts = [heading('基本字义')];
  for (const b of readingBlocks(m.字义)) {
    parts.push(`<p style="font-size:15px;">${b.reading ? `<font color="${C.reading}"><b>${escapeHtml(b.reading)}</b></font>　` : ''}`
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

// 百家姓.intro: reading, origins, 郡望, 堂号, famous bearers.
function surnameHtml(s) {
  const rows = [
    ['读音', s.读音], ['起源', s.起源], ['郡望', s.郡望], ['堂号', s.堂号], ['历史名人', s.名人],
  ].filter(([, v]) => v);
  return `<h2>${escapeHtml(s.姓)}姓</h2>`
    + rows.map(([k, v]) => `${heading(k)}<p style="font-size:15px;">${escapeHtml(v)}</p>`).join('');
}

function buildSurnames(dir = SURNAME_DIR) {
  return { header: ['xing', 'intro'], rows: [...surnames(dir).values()].map((s) => [s.姓, surnameHtml(s)]) };
}

// The plain fields, for the report and the command line.
function buildMeaningTable(dir = MEANING_DIR) {
  return { header: ['zi', '字义', '寓意', '出处', '词语'],
    rows: [...meanings(dir).values()].map((m) => [m.字, m.字义, m.寓意, m.出处, m.词语]) };
}

function sourceText(dir) {
  return tsvFiles(dir).map((f) => `${path.basename(f)}\0${fs.readFileSync(f, 'utf8')}`).join('\0');
}

module.exports = {
  MEANING_DIR, SURNAME_DIR, escapeHtml, readRows, meanings, surnames, readingBlocks, sourceParts, splitList,
  meaningHtml, surnameHtml, buildSurnames, buildMeaningTable, sourceText,
};
