// TSV in and out: the tables the extractor writes (escaped, written whole or not at all) and
// the hand-written ones it reads (its fact tables and the project's texts under data/tables),
// plus the HTML escaping every builder of an HTML field shares.
'use strict';

const fs = require('fs');
const path = require('path');

const { fail } = require('./archive.js');

// ---- writing ------------------------------------------------------------------

function escapeField(v) {
  if (v === null || v === undefined) return '\\N';
  let s = String(v)
    .replace(/\\/g, '\\\\')
    .replace(/\t/g, '\\t')
    .replace(/\n/g, '\\n')
    .replace(/\r/g, '\\r');
  // A leading '#' would turn the line into a comment for the loader.
  if (s.startsWith('#')) s = '\\' + s;
  return s;
}

function tsvText(header, rows) {
  if (!Array.isArray(header) || header.length === 0) fail('TSV without a header');
  const out = [header.map(escapeField).join('\t')];
  for (const [i, row] of rows.entries()) {
    if (row.length !== header.length) {
      fail(`row ${i + 1} has ${row.length} fields, header has ${header.length}`);
    }
    out.push(row.map(escapeField).join('\t'));
  }
  return out.join('\n') + '\n';
}

// fs.mkdirSync({recursive}) spins forever on some paths (e.g. under /proc)
// in node 20; a plain walk up fails cleanly instead.
function mkdirp(dir) {
  try {
    fs.mkdirSync(dir);
  } catch (e) {
    if (e.code === 'ENOENT' && path.dirname(dir) !== dir) {
      mkdirp(path.dirname(dir));
      try { fs.mkdirSync(dir); } catch (e2) { fail(`cannot create ${dir}: ${e2.code}`); }
    } else if (e.code !== 'EEXIST' || !fs.statSync(dir).isDirectory()) {
      fail(`cannot create ${dir}: ${e.code}`);
    }
  }
}

// Readers of the output never see a partial file: write aside, then rename.
function writeFileAtomic(file, data) {
  const tmp = `${file}.tmp-${process.pid}`;
  fs.writeFileSync(tmp, data);
  fs.renameSync(tmp, file);
}

function writeTsv(file, header, rows) {
  writeFileAtomic(file, tsvText(header, rows));
}

// ---- reading ------------------------------------------------------------------

// One fact table as objects: a header line, then rows, # lines comments; fields kept as written.
function readFacts(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
  const header = lines.shift().split('\t');
  return lines.map((l, i) => {
    const cells = l.split('\t');
    if (cells.length !== header.length) throw new Error(`${path.basename(file)}: row ${i + 1} has ${cells.length} fields`);
    return Object.fromEntries(header.map((h, j) => [h, cells[j]]));
  });
}

// The *.tsv files directly in dir, in name order; none when dir is absent.
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

// The files of a folder as one text: part of the cache key, so an edit is a new key.
function sourceText(dir) {
  return tsvFiles(dir).map((f) => `${path.basename(f)}\0${fs.readFileSync(f, 'utf8')}`).join('\0');
}

function escapeHtml(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

module.exports = {
  escapeField, tsvText, mkdirp, writeFileAtomic, writeTsv, readFacts, tsvFiles, readRows, sourceText, escapeHtml,
};
