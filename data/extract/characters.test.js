// node --test data/extract/
// The character rules on small hand-made data: Kangxi counts, elements, pinyin, glosses.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const kangxi = require('./kangxi.js');
const elements = require('./elements.js');
const pinyin = require('./pinyin.js');
const characters = require('./characters.js');

test('radical strokes follow the radical number', () => {
  for (const [radical, strokes] of [[1, 1], [6, 1], [7, 2], [29, 2], [30, 3], [61, 4], [85, 4], [96, 5],
    [113, 5], [130, 6], [140, 6], [145, 6], [162, 7], [163, 7], [170, 8], [211, 15], [213, 16], [214, 17]]) {
    assert.strictEqual(kangxi.radicalStrokes(radical), strokes, `radical ${radical}`);
  }
  assert.throws(() => kangxi.radicalStrokes(215), RangeError);
});

test('Kangxi counts: traditional form, full radical, own form, numerals, corrections', () => {
  const rec = (rs, total) => ({ kRSKangXi: rs, kTotalStrokes: total });
  const unihan = new Map([
    ['江', rec('85.3', '6')], ['王', rec('96.-1', '4')], ['玉', rec('96.0', '5')], ['琳', rec('96.8', '12')],
    ['張', rec('57.8', '11')], ['张', rec('57.4', '7')], ['范', rec('140.5', '8')], ['範', rec('118.9', '15')],
    ['柴', rec('75.5', '10')], ['朋', rec('74.4', '8')], ['胡', rec('130.5', '9')], ['郎', rec('163.6', '8')],
    ['四', rec('31.2', '5')], ['陳', rec('170.8', '10')], ['陈', rec('170.5', '7')],
    ['纤', { kRSUnicode: "120'.3", kTotalStrokes: '6' }], ['双', rec('29.2', '4 4')],
  ]);
  const ctx = {
    unihan,
    opencc: new Map([['张', '張'], ['范', '範'], ['陈', '陳']]),
    namingForms: new Map([['范', '范']]),
    corrections: new Map([['郎', 14]]),
  };
  const cases = [
    ['江', 7, 'residual'], ['琳', 13, 'residual'], ['胡', 11, 'residual'], ['朋', 8, 'residual'],
    ['王', 4, 'radical-form'], ['玉', 5, 'radical-form'],
    ['张', 11, 'residual'], ['陈', 16, 'residual'], ['范', 11, 'residual'],
    ['柴', 10, 'residual-short'], ['四', 4, 'numeral'], ['郎', 14, 'corrected'],
    ['纤', 9, 'residual'], ['双', 4, 'residual'],
  ];
  for (const [ch, strokes, how] of cases) {
    assert.deepStrictEqual([kangxi.kangxiStrokes(ch, ctx).strokes, kangxi.kangxiStrokes(ch, ctx).how], [strokes, how], ch);
  }
  assert.strictEqual(kangxi.kangxiStrokes('张', ctx).traditional, '張');
  assert.strictEqual(kangxi.kangxiStrokes('𠀀', ctx).strokes, null);
});

test('cnchar-info elements are read from the JSON in its bundle', () => {
  const bundle = "!function(){}([function(a){a.exports=JSON.parse('{\"a\":\"金\"}')},"
    + "function(a){a.exports=JSON.parse('" + JSON.stringify(Object.fromEntries(
      Array.from({ length: 1200 }, (_, i) => [String.fromCharCode(0x4e00 + i), i % 2 ? 'adㄇ' : 'bfㄇ']),
    )) + "')}])";
  const table = elements.cncharElements(bundle);
  assert.strictEqual(table.get('丁'), '火');
  assert.strictEqual(table.has('一'), false); // "-": no element
  assert.strictEqual(table.size, 600);
  assert.throws(() => elements.cncharElements('nothing here'), /not found/);
  assert.strictEqual(elements.unescapeJsString("a\\'b\\u4e00\\\\"), "a'b一\\");
});

test('element rules: a dominant radical, else the initial', () => {
  const known = new Map();
  const radical = new Map();
  const initial = new Map();
  const add = (ch, element, r, i) => { known.set(ch, element); radical.set(ch, r); initial.set(ch, i); };
  // Radical 85: five of six are 水; radical 75 is split.
  for (let n = 0; n < 5; n++) add(`w${n}`, '水', '85', 'b');
  add('w5', '火', '85', 'd');
  add('t1', '木', '75', 'd');
  add('t2', '火', '75', 'd');
  add('t3', '火', '75', 'b');
  add('t4', '水', '75', 'b');
  const radicalOf = (c) => radical.get(c) || '';
  const initialOf = (c) => initial.get(c) || '';
  const rules = elements.deriveRules(known, radicalOf, initialOf);
  assert.strictEqual(rules.radical.get('85'), '水');
  assert.strictEqual(rules.radical.has('75'), false);
  radical.set('new', '75');
  initial.set('new', 'd');
  assert.deepStrictEqual(elements.ruleElement('new', rules, radicalOf, initialOf), { element: '火', how: 'initial' });
  radical.set('wet', '85');
  assert.deepStrictEqual(elements.ruleElement('wet', rules, radicalOf, initialOf), { element: '水', how: 'radical' });
  assert.ok(elements.ruleAgreement(known, rules, radicalOf, initialOf) > 0.5);
});

test('pinyin: tone numbers to marks, plain spelling', () => {
  for (const [numbered, marked] of [['ming2', 'míng'], ['Ming2', 'Míng'], ['lu:4', 'lǜ'], ['nv3', 'nǚ'],
    ['gou3', 'gǒu'], ['liu2', 'liú'], ['gui4', 'guì'], ['xiong1', 'xiōng'], ['er2', 'ér'], ['zi5', 'zi'],
    ['r5', 'r'], ['m2', 'm'], ['A1', 'Ā']]) {
    assert.strictEqual(pinyin.markSyllable(numbered), marked, numbered);
  }
  assert.strictEqual(pinyin.numberedToMarked('shang4 wu3'), 'shàng wǔ');
  for (const [marked, plain] of [['lǜ', 'lv'], ['Míng', 'ming'], ['nǚ', 'nv'], ['ḿ', 'm'], ['ê̄', 'e']]) {
    assert.strictEqual(pinyin.plainPinyin(marked), plain, marked);
  }
});

test('CC-CEDICT glosses: cross references read as words with tone marks', () => {
  assert.strictEqual(characters.plainGloss('variant of 個|个[ge4]'), 'variant of 个 (gè)');
  assert.strictEqual(characters.plainGloss('opposite: dark 暗[an4]'), 'opposite: dark 暗 (àn)');
  assert.strictEqual(characters.joinedReading('Xi1 an1'), "Xī'ān");
  assert.strictEqual(characters.joinedReading('ming2 tian1'), 'míngtiān');
});

test('CC-CEDICT index: senses per reading, common words ranked', () => {
  const entries = characters.cedictEntries('export default {"all":['
    + '["樂","乐","le4",["happy","cheerful"],[],[]],["樂","乐","Yue4","surname Yue",[],[]],'
    + '["樂","乐","yue4","music",[],[]],["快樂","快乐","kuai4 le4","happy",[],[]],'
    + '["樂器","乐器","yue4 qi4","musical instrument",[],[]],["北樂","北乐","Bei3 le4","a place",[],[]],'
    + '["樂樂","乐乐","le4 le4","see 快樂|快乐[kuai4 le4]",[],[]],["快樂王子","快乐王子","kuai4 le4 wang2 zi3","a tale",[],[]]]}');
  const cedict = characters.indexCedict(entries);
  const senses = characters.sensesOf('乐', ['yuè', 'lè'], cedict);
  assert.deepStrictEqual(senses, [{ reading: 'yuè', glosses: ['surname Yue', 'music'] },
    { reading: 'lè', glosses: ['happy', 'cheerful'] }]);
  assert.deepStrictEqual(characters.sensesOf('樂', ['yuè'], cedict).map((s) => s.reading), ['yuè', 'lè']);
  const rank = (ch) => ({ 快: 2, 乐: 3, 器: 6, 王: 1, 子: 1 }[ch] || 12);
  // 快乐 recurs in a compound; proper nouns and cross references are no words.
  assert.deepStrictEqual(characters.commonWords('乐', cedict, rank).map((w) => w.word), ['快乐', '乐器', '快乐王子']);
  assert.deepStrictEqual(characters.commonWords('樂', cedict, rank).map((w) => w.word), ['快樂', '樂器', '快樂王子']);
});

test('the committed fact tables are well formed', () => {
  const forms = characters.namingForms();
  assert.strictEqual(forms.get('范'), '范');
  for (const [simplified, traditional] of forms) {
    assert.strictEqual([...simplified].length, 1, simplified);
    assert.strictEqual([...traditional].length, 1, traditional);
  }
  for (const [ch, strokes] of characters.kangxiCorrections()) {
    assert.ok(Number.isInteger(strokes) && strokes > 0 && strokes < 70, `${ch} ${strokes}`);
  }
});
