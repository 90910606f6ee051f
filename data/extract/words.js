// Builds 词语.tsv: the two-character words of jieba's dictionary (Debian python3-jieba,
// dict.txt: "word frequency part-of-speech" a line) whose characters are both name-pool
// characters. Every part of speech is kept: the program decides which words count.
'use strict';

const fs = require('fs');

const { fail } = require('./archive.js');
const { readPools } = require('./names.js');

const DICT = '/usr/lib/python3/dist-packages/jieba/dict.txt';

// text: the dictionary; pool: Set of characters. The first entry of a word wins.
function poolWords(text, pool) {
  const rows = [];
  const seen = new Set();
  for (const [i, raw] of text.split('\n').entries()) {
    const line = raw.trim();
    if (!line) continue;
    const [word, freq, pos = ''] = line.split(/\s+/);
    if (!/^\d+$/.test(freq || '')) fail(`jieba dict.txt:${i + 1}: no frequency`);
    const chars = [...word];
    if (chars.length !== 2 || !pool.has(chars[0]) || !pool.has(chars[1]) || seen.has(word)) continue;
    seen.add(word);
    rows.push([word, Number(freq), pos]);
  }
  return rows;
}

function buildWords(ctx) {
  const file = ctx.sources.jieba.files[0];
  const rows = poolWords(fs.readFileSync(file, 'utf8'), readPools().all);
  return { header: ['词', '词频', '词性'], rows };
}

module.exports = { DICT, poolWords, buildWords };
