// The project's own Chinese dictionary texts: data/tables/字义/*.tsv (字, 字义, 寓意, 出处, 词语; one
// row a character) and data/tables/百家姓/*.tsv (姓, 读音, 起源, 郡望, 堂号, 名人; one row a surname).
// Any number of files and any subset of characters: a character without a row keeps its
// factual card and the English senses. A character's entry is drawn by cards.js.
'use strict';

const path = require('path');

const { escapeHtml, readRows } = require('./tables.js');
const { heading } = require('./cards.js');

const TABLES = path.join(__dirname, '..', 'tables');
const MEANING_DIR = path.join(TABLES, '字义');
const SURNAME_DIR = path.join(TABLES, '百家姓');
const MEANING_HEADER = ['字', '字义', '寓意', '出处', '词语'];
const SURNAME_HEADER = ['姓', '读音', '起源', '郡望', '堂号', '名人'];

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

module.exports = { MEANING_DIR, SURNAME_DIR, meanings, surnames, surnameHtml, buildSurnames, buildMeaningTable };
