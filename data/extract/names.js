// The name-character pools (data/tables/男常用字.tsv, 女常用字.tsv) and 名字库.tsv, the project's
// list of names families give (data/tables/名字库/*.tsv), merged and checked: a name outside its
// pool or given twice stops the extraction at its file and line.
'use strict';

const fs = require('fs');
const path = require('path');

const { fail } = require('./archive.js');
const { readRows, sourceText: folderText } = require('./tables.js');

const TABLES = path.join(__dirname, '..', 'tables');
const LIBRARY_DIR = path.join(TABLES, '名字库');
const POOL_FILES = { 男: path.join(TABLES, '男常用字.tsv'), 女: path.join(TABLES, '女常用字.tsv') };
const HEADER = ['名字', '性别', '风格', '寓意', '出处'];
const GENDERS = new Set(['男', '女', '中性']);
const STYLES = new Set(['当代', '经典', '旧式']);

// One pool file: # comments, the header 字, one character a line.
function readPool(file) {
  const chars = new Set();
  for (const raw of fs.readFileSync(file, 'utf8').split('\n')) {
    const line = raw.trim();
    if (line && !line.startsWith('#') && line !== '字') chars.add(line);
  }
  return chars;
}

// { 男: Set, 女: Set, all: Set }
function readPools(files = POOL_FILES) {
  const 男 = readPool(files.男);
  const 女 = readPool(files.女);
  return { 男, 女, all: new Set([...男, ...女]) };
}

// The pools' text, for the cache key: the pair tables and 名字库 follow them.
function poolText(files = POOL_FILES) {
  return Object.values(files).map((f) => `${path.basename(f)}\0${fs.readFileSync(f, 'utf8')}`).join('\0');
}

function libraryText(dir = LIBRARY_DIR) {
  return folderText(dir);
}

// The rows of every library file in file-name order, checked. pools as readPools() gives them.
function buildNameLibrary(dir = LIBRARY_DIR, pools = readPools()) {
  const first = new Map(); // name -> where it was first given
  const rows = [];
  for (const r of readRows(dir, HEADER)) {
    const where = `${path.basename(dir)}/${r.file}:${r.line}`;
    const chars = [...r.名字];
    if (chars.length !== 2) fail(`${where}: 名字 ${r.名字} is not two characters`);
    if (!GENDERS.has(r.性别)) fail(`${where}: 性别 ${r.性别} is not 男, 女 or 中性`);
    if (!STYLES.has(r.风格)) fail(`${where}: 风格 ${r.风格} is not 当代, 经典 or 旧式`);
    const allowed = r.性别 === '中性' ? ['男', '女'] : [r.性别];
    for (const c of chars) {
      const outside = allowed.filter((g) => !pools[g].has(c));
      if (outside.length) fail(`${where}: ${c} of ${r.名字} is not in ${outside.map((g) => `${g}常用字`).join(' or ')}`);
    }
    if (!r.寓意) fail(`${where}: ${r.名字} has no 寓意`);
    if (first.has(r.名字)) fail(`${where}: ${r.名字} is already at ${first.get(r.名字)}`);
    first.set(r.名字, where);
    rows.push(HEADER.map((h) => r[h]));
  }
  return { header: HEADER, rows };
}

module.exports = { LIBRARY_DIR, POOL_FILES, readPool, readPools, poolText, libraryText, buildNameLibrary };
