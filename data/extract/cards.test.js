// node --test data/extract/
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const cards = require('./cards.js');

test('names, dynasties, surnames and pointers come after the senses a parent wants', () => {
  assert.deepStrictEqual(cards.orderGlosses('德', ['Germany', 'German', 'virtue', 'morality']),
    ['virtue', 'morality', 'Germany', 'German']);
  assert.deepStrictEqual(cards.orderGlosses('明', ['Ming Dynasty (1368-1644)', 'surname Ming', 'bright']),
    ['bright', 'Ming Dynasty (1368-1644)', 'surname Ming']);
  assert.deepStrictEqual(cards.orderGlosses('森', ['Mori (Japanese surname)', 'forest']), ['forest', 'Mori (Japanese surname)']);
  // A pointer back to the character itself says nothing and goes; one to another stays, last.
  assert.deepStrictEqual(cards.orderGlosses('萱', ['orange day-lily', 'old variant of 萱 (xuān)']), ['orange day-lily']);
  assert.deepStrictEqual(cards.orderGlosses('叡', ['variant of 睿', 'astute']), ['astute', 'variant of 睿']);
});

test('words about illness, disaster, death or slang stay out of the list', () => {
  for (const gloss of ['varicose veins', 'yaws (tropical disease)', 'calamity; catastrophe', 'to die young', 'slang for money'])
    assert.strictEqual(cards.wordAllowed({ gloss }), false, gloss);
  for (const gloss of ['mother (honorific designation)', 'diet', 'studies', 'warm', 'dietary fibre'])
    assert.strictEqual(cards.wordAllowed({ gloss }), true, gloss);
});

test('the English has its heading and a reading of names only comes last', () => {
  const html = cards.xiangjieHtml('乐', [
    { reading: 'yuè', glosses: ['surname Yue'] },
    { reading: 'lè', glosses: ['happy', 'cheerful'] },
  ], [{ word: '快乐', reading: 'kuàilè', gloss: 'happy' }, { word: '乐死', reading: 'lèsǐ', gloss: 'to die laughing' }], '');
  assert.ok(html.indexOf('英文释义') < html.indexOf('happy'));
  assert.ok(html.indexOf('lè') < html.indexOf('yuè'));
  assert.ok(html.includes('快乐') && !html.includes('乐死'));
});
