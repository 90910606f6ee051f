// node --test data/extract/
// The name library on hand-made files: merged in file-name order, and every kind of bad row
// stopped at its file and line.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const names = require('./names.js');
const words = require('./words.js');

const HEADER = '# 本项目撰写\n名字\t性别\t风格\t寓意\t出处\n';
const POOLS = { 男: new Set([...'浩宇安然']), 女: new Set([...'安然语桐']) };

function library(files) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), '名字库-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), HEADER + text);
  return dir;
}

test('name library: the files merged in name order, fields as written', () => {
  const dir = library({ 'b.tsv': '语桐\t女\t当代\t寓意二。\t\n', 'a.tsv': '浩宇\t男\t当代\t寓意一。\t《某》\n安然\t中性\t经典\t寓意三。\t\n' });
  assert.deepStrictEqual(names.buildNameLibrary(dir, POOLS), {
    header: ['名字', '性别', '风格', '寓意', '出处'],
    rows: [['浩宇', '男', '当代', '寓意一。', '《某》'], ['安然', '中性', '经典', '寓意三。', ''], ['语桐', '女', '当代', '寓意二。', '']],
  });
});

test('name library: a bad row stops the extraction at its file and line', () => {
  const cases = [
    ['浩\t男\t当代\t寓意。\t', /a\.tsv:4: 名字 浩 is not two characters/],
    ['浩宇然\t男\t当代\t寓意。\t', /a\.tsv:4: 名字 浩宇然 is not two/],
    ['浩宇\t男孩\t当代\t寓意。\t', /a\.tsv:4: 性别 男孩/],
    ['浩宇\t男\t现代\t寓意。\t', /a\.tsv:4: 风格 现代/],
    ['语宇\t男\t当代\t寓意。\t', /a\.tsv:4: 语 of 语宇 is not in 男常用字/],
    ['浩然\t女\t当代\t寓意。\t', /a\.tsv:4: 浩 of 浩然 is not in 女常用字/],
    ['桐宇\t中性\t当代\t寓意。\t', /a\.tsv:4: 桐 of 桐宇 is not in 男常用字/],
    ['浩宇\t男\t当代\t \t', /a\.tsv:4: 浩宇 has no 寓意/],
    ['安然\t男\t当代\t另一寓意。\t', /a\.tsv:4: 安然 is already at \S*a\.tsv:3/],
  ];
  for (const [row, message] of cases) {
    const dir = library({ 'a.tsv': `安然\t中性\t当代\t寓意。\t\n${row}\n` });
    assert.throws(() => names.buildNameLibrary(dir, POOLS), message, row);
  }
  // Given again in a later file.
  const dir = library({ 'a.tsv': '安然\t中性\t当代\t寓意。\t\n', 'b.tsv': '浩宇\t男\t当代\t寓意。\t\n安然\t女\t经典\t寓意。\t\n' });
  assert.throws(() => names.buildNameLibrary(dir, POOLS), /b\.tsv:4: 安然 is already at \S*a\.tsv:3/);
});

test('words: two characters of the pools, first entry kept, every part of speech', () => {
  const dict = '安然 120 a\n安 5 v\n浩宇 3 nr\n安然 9 ad\n安然然 2 z\n语桐 1 nz\nAT&T 3 nz\n';
  assert.deepStrictEqual(words.poolWords(dict, new Set([...'浩宇安然语桐'])),
    [['安然', 120, 'a'], ['浩宇', 3, 'nr'], ['语桐', 1, 'nz']]);
});
