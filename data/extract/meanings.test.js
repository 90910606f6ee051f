// node --test data/extract/
// The project's dictionary texts on small hand-made files: reading, the card's Chinese part,
// the English senses' order, the word blacklist and the surname page.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const meanings = require('./meanings.js');
const cards = require('./cards.js');
const tables = require('./tables.js');

function folder(files) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'meanings-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
  return dir;
}

const HEADER = '# 本项目撰写\n字\t字义\t寓意\t出处\t词语\n';

test('meaning files: any number of files, comments skipped, first row of a character wins', () => {
  const dir = folder({
    '1.tsv': `${HEADER}萱\txuān：萱草，古称忘忧草。\t寓意忘忧。\t《诗经·卫风·伯兮》：“焉得谖草，言树之背。”\t萱草、萱堂\n`,
    '2.tsv': `${HEADER}萱\txuān：另一行。\t另一行。\t\t\n梓\tzǐ：梓树。\t寓意桑梓。\t\t桑梓\n`,
  });
  const m = meanings.meanings(dir);
  assert.deepStrictEqual([...m.keys()].sort(), ['梓', '萱']);
  assert.strictEqual(m.get('萱').寓意, '寓意忘忧。');
  assert.deepStrictEqual(cards.sourceParts(m.get('萱').出处), [{ work: '《诗经·卫风·伯兮》', text: '“焉得谖草，言树之背。”' }]);
  assert.strictEqual(meanings.meanings(path.join(dir, 'absent')).size, 0);
});

test('meaning files: a wrong header or a short row names the file', () => {
  assert.throws(() => meanings.meanings(folder({ 'x.tsv': '字\t字义\n萱\tx\n' })), /x\.tsv: header/);
  assert.throws(() => meanings.meanings(folder({ 'y.tsv': `${HEADER}萱\tx\n` })), /y\.tsv:3/);
});

test('reading blocks split at ｜, each reading before its senses', () => {
  assert.deepStrictEqual(cards.readingBlocks('xíng：走；行走。｜háng：行列。'),
    [{ reading: 'xíng', senses: '走；行走。' }, { reading: 'háng', senses: '行列。' }]);
});

test('xiangjie: the Chinese entry first, English last and labelled, back senses after the rest', () => {
  const html = cards.xiangjieHtml('德', [{ reading: 'dé', glosses: ['Germany', 'virtue', 'variant of 德', 'surname De'] }],
    [{ word: '浩劫', reading: 'hào jié', gloss: 'catastrophe' }, { word: '道德', reading: 'dào dé', gloss: 'virtue; morality' },
      { word: '德病', reading: 'x', gloss: 'a disease' }], 'note',
    { 字义: 'dé：品德。', 寓意: '寓意品德高尚。', 出处: '', 词语: '德行、明德' });
  const at = (s) => html.indexOf(s);
  assert.ok(at('品德。') >= 0 && at('品德。') < at('英文释义') && at('寓意品德高尚') < at('英文释义'));
  assert.ok(at('virtue</li>') < at('Germany'), 'Germany is no longer the first sense');
  assert.ok(at('variant of 德') > at('virtue</li>') && at('surname De') > at('virtue</li>'));
  assert.ok(!html.includes('浩劫') && !html.includes('德病') && html.includes('道德'));
  assert.ok(!cards.xiangjieHtml('x', [], [], '', undefined).includes('英文释义'));
});

test('card: both radical forms, simplified and Kangxi strokes, how the element was found, the level in words', () => {
  const html = cards.jijieHtml({ zi: '绮', readings: ['qǐ'], radical: '纟', kangxiRadical: '糸', simplifiedStrokes: 11,
    kangxiStrokes: 14, traditional: '綺', simplified: '', element: '木', elementHow: 'initial', level: 2 });
  for (const s of ['纟（康熙部首 糸）', '简体 11', '康熙 <b>14</b>', '綺', '按读音推定', '通用规范汉字二级字']) {
    assert.ok(html.includes(s), s);
  }
  assert.ok(cards.jijieHtml({ zi: '木', readings: ['mù'], radical: '木', kangxiRadical: '木', simplifiedStrokes: 4,
    kangxiStrokes: 4, traditional: '木', element: '木', elementHow: 'radical', level: 1 }).includes('按部首推定'));
});

test('radical: the form it takes in the character, when its strokes tell it', () => {
  const cases = [[140, 12, 9, '艹'], [85, 6, 3, '氵'], [85, 9, 5, '水'], [61, 11, 8, '忄'], [61, 9, 5, '心'],
    [96, 9, 5, '王'], [130, 8, 4, '月'], [163, 7, 5, '阝'], [118, 14, 8, '⺮'], [9, 7, 5, ''], [86, 13, 9, ''],
    [140, 6, 0, ''], [85, 10, 5, '']];
  for (const [radical, total, residual, form] of cases) {
    assert.strictEqual(cards.componentForm(radical, total, residual), form, `${radical} ${total} ${residual}`);
  }
});

test('surname page: reading, origins, 郡望, 堂号 and bearers; empty fields left out', () => {
  const dir = folder({ 'a.tsv': '姓\t读音\t起源\t郡望\t堂号\t名人\n欧阳\tōu yáng\t出自姒姓。\t渤海郡\t\t欧阳修（北宋）\n' });
  const { header, rows } = meanings.buildSurnames(dir);
  assert.deepStrictEqual(header, ['xing', 'intro']);
  assert.strictEqual(rows[0][0], '欧阳');
  for (const s of ['ōu yáng', '出自姒姓', '渤海郡', '欧阳修（北宋）']) assert.ok(rows[0][1].includes(s), s);
  assert.ok(!rows[0][1].includes('堂号'));
});

test('the texts are part of the cache key', () => {
  const dir = folder({ 'a.tsv': `${HEADER}` });
  const before = tables.sourceText(dir);
  fs.appendFileSync(path.join(dir, 'a.tsv'), '梓\tzǐ：梓树。\t寓意桑梓。\t\t桑梓\n');
  assert.notStrictEqual(tables.sourceText(dir), before);
});
