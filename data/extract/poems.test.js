// node --test data/extract/
// The poem library's rules on hand-made poems: titles, repeats, line ends.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const poems = require('./poems.js');

const same = (t) => t;

test('a ci is titled by its tune and first clause, unless the tune has a subtitle', () => {
  const lib = new poems.Library(same);
  lib.add({ dynasty: '宋', author: '苏轼', rhythmic: '水调歌头', ci: true,
    lines: ['明月几时有，把酒问青天。', '不知天上宫阙，今夕是何年。'] }, 't');
  lib.add({ dynasty: '宋', author: '吴文英', rhythmic: '渡江云三犯・渡江云', ci: true, lines: ['羞红颦浅恨。'] }, 't');
  assert.deepStrictEqual(lib.rows.map((r) => r[2]), ['水调歌头·明月几时有', '渡江云三犯·渡江云']);
  assert.strictEqual(lib.rows[0][3], '明月几时有，把酒问青天。\r\n不知天上宫阙，今夕是何年。');
});

test('repeated titles of one poet are numbered; the same poem twice is kept once', () => {
  const lib = new poems.Library(same);
  const add = (author, title, line) => lib.add({ dynasty: '先秦', author, title, lines: [line] }, 't');
  assert.ok(add('佚名', '扬之水', '扬之水，不流束薪。'));
  assert.ok(add('佚名', '扬之水', '扬之水，白石凿凿。'));
  assert.ok(add('佚名', '扬之水', '扬之水，不流束楚。'));
  assert.ok(add('屈原', '扬之水', '另一首诗的句子。'));
  assert.ok(!add('佚名', '别名', '扬之水，白石凿凿。'));
  assert.ok(!add('佚名', '空', ''));
  assert.deepStrictEqual(lib.rows.map((r) => `${r[1]} ${r[2]}`),
    ['佚名 扬之水', '佚名 扬之水（二）', '佚名 扬之水（三）', '屈原 扬之水']);
});

test('helpers', () => {
  assert.strictEqual(poems.firstClause(['', '寒蝉凄切。']), '寒蝉凄切');
  assert.strictEqual(poems.firstClause(['无标点']), '无标点');
  assert.deepStrictEqual([2, 10, 12, 20, 35].map(poems.chineseNumber), ['二', '十', '十二', '二十', '三十五']);
  assert.ok(poems.hasGaps(['春□花']) && poems.hasGaps(['度大臾（庾）嶺']) && !poems.hasGaps(['床前明月光']));
  assert.strictEqual(poems.textKey('李白', ['床前，明月光。']), '李白|床前明月光');
});
