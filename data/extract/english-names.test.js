// node --test data/extract/
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const sqlite = require('./sqlite.js');
const en = require('./english-names.js');

test('names ranked by births, then topped up for every pinyin initial', () => {
  const names = [];
  const counts = new Map();
  for (let i = 0; i < 320; i++) {
    const name = `A${String(i).padStart(3, '0')}`;
    names.push(name);
    counts.set(name.toLowerCase(), 10000 - i);
  }
  names.push('A000', 'Quinn', 'Quentin', 'Quincy', 'Quill', 'Xena', 'Xylia', 'Umberto');
  counts.set('quinn', 9990).set('quentin', 400).set('quincy', 300).set('quill', 299).set('xena', 299);
  counts.set('umberto', 9995);
  const chosen = en.chooseNames(names, counts);
  // Umberto ranks high, so it is among the 300; A000 once only.
  assert.strictEqual(chosen.filter((n) => n === 'A000').length, 1);
  assert.ok(chosen.slice(0, 300).includes('Umberto'));
  assert.ok(chosen.slice(0, 300).includes('Quinn'));
  // Q is topped up to three with names still given; X has none given often enough.
  assert.deepStrictEqual(chosen.slice(300), ['Quentin', 'Quincy']);
  assert.ok(!en.PINYIN_INITIALS.includes('u') && !en.PINYIN_INITIALS.includes('i'));
});

test('every chosen name needs its gloss, and every gloss a chosen name', () => {
  const counts = new Map([['M', new Map([['adam', 5]])], ['F', new Map([['ada', 3]])]]);
  const names = { 男: ['Adam'], 女: ['Ada'] };
  const gloss = (name, gender, t, m) => ({ 英文名: name, 性别: gender, 译名: t, 释义: m });
  const rows = en.buildEnglishNames(names, counts, [gloss('Adam', '男', '亚当', '希伯来语，意为“人”'),
    gloss('Ada', '女', '埃达', '意为“高贵”')]);
  assert.deepStrictEqual(rows, [['Adam 亚当 — 希伯来语，意为“人”', 'a', '男', '1'], ['Ada 埃达 — 意为“高贵”', 'a', '女', '1']]);
  assert.throws(() => en.buildEnglishNames(names, counts, [gloss('Adam', '男', '亚当', 'x')]), /缺少 1 个名字：Ada（女）/);
  assert.throws(() => en.buildEnglishNames(names, counts, [gloss('Adam', '男', '亚当', 'x'), gloss('Ada', '女', '埃达', 'y'),
    gloss('Ada', '男', '埃达', 'z')]), /未选中/);
  assert.throws(() => en.buildEnglishNames(names, counts, [gloss('Adam', '男', '', 'x'), gloss('Ada', '女', '埃达', 'y')]), /缺少/);
});

test('the SQLite reader walks interior pages, overflow pages and every value type', (t) => {
  if (spawnSync('sqlite3', ['-version']).error) {
    t.skip('sqlite3 is not installed');
    return;
  }
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'qiming-sqlite-'));
  const file = path.join(dir, 't.sqlite');
  const long = 'x'.repeat(9000);
  const sql = [
    'create table other(a text);',
    'create table t (id INTEGER PRIMARY KEY NOT NULL, name text, n integer, f real, b blob);',
    'with recursive c(i) as (select 1 union all select i + 1 from c where i < 3000)',
    "  insert into t select i, 'name' || i, i * 1000003 - 1500000000, i / 4.0, null from c;",
    `insert into t values (5000, '${long}', -1, 0, x'00ff');`,
    "insert into t values (5001, '名字', 0, 1, null);",
  ].join('\n');
  const r = spawnSync('sqlite3', [file], { input: sql });
  assert.strictEqual(r.status, 0, String(r.stderr));
  const rows = [];
  sqlite.forEachRow(fs.readFileSync(file), 'T', (v) => rows.push(v));
  assert.strictEqual(rows.length, 3002);
  assert.deepStrictEqual(rows[0], [1, 'name1', 1000003 - 1500000000, 0.25, null]);
  assert.deepStrictEqual(rows[2999], [3000, 'name3000', 3000 * 1000003 - 1500000000, 750, null]);
  assert.strictEqual(rows[3000][1], long);
  assert.deepStrictEqual([rows[3000][2], rows[3000][4]], [-1, Buffer.from([0, 255])]);
  assert.deepStrictEqual(rows[3001], [5001, '名字', 0, 1, null]);
  assert.throws(() => sqlite.forEachRow(fs.readFileSync(file), 'none', () => {}), /no table none/);
  assert.throws(() => sqlite.forEachRow(Buffer.alloc(200), 't', () => {}), /not an SQLite/);
  fs.rmSync(dir, { recursive: true, force: true });
});
