// node --test data/extract/
// The verse pairs on hand-made lines: what counts as side by side, which sentences may be
// quoted for a name, which one wins, and how a poem is credited.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const verses = require('./verses.js');

// Stands in for opencc: a few characters, and 乾 kept as it is only in 乾坤, as the phrase
// converter does.
const T2S = { 風: '风', 雲: '云', 靜: '静', 維: '维', 雜: '杂', 辭: '辞', 難: '难', 乾: '干' };
function toSimplified(text) {
  return text.split('乾坤').map((part) => [...part].map((c) => T2S[c] || c).join('')).join('乾坤');
}

test('pairs: side by side after conversion, never across punctuation, 乾 read as a phrase', () => {
  const counter = new verses.PairCounter(new Set([...'春风明月云乾坤朗']), toSimplified);
  for (const line of ['春風，明月。', '明月明月', '雲月', '乾坤朗朗', '乾燥', '春𠀀风', '明、月']) counter.add(line);
  const got = Object.fromEntries(counter.pairs());
  assert.deepStrictEqual(got, { 明月: 3, 春风: 1, 月明: 1, 云月: 1, 乾坤: 1, 坤朗: 1, 朗朗: 1 });
  assert.deepStrictEqual(counter.pairs().slice(0, 2), [['明月', 3], ['乾坤', 1]]);
  assert.strictEqual(counter.count('风明'), 0);
});

test('quotable: gloomy, negating, clipped or annotated sentences give no pair', () => {
  const isPool = (c) => /\p{Script=Han}/u.test(c);
  const cases = [
    ['蒹葭苍苍，白露为霜。', ['蒹葭', '葭苍', '苍苍', '白露', '露为', '为霜']],
    // A negation anywhere in the sentence shades the whole of it when read aloud.
    ['黄鹤一去不复返，白云千载空悠悠。', []],
    ['春风不度玉门关。', []],
    ['落叶他乡树，寒灯独夜人。', []],
    ['挥手自兹去，萧萧班马鸣。', ['挥手', '手自', '自兹', '兹去', '萧萧', '萧班', '班马', '马鸣']],
    ['此地一为别，孤蓬万里征。', []],
    ['近清明。', []],
    ['春□花开满园中。', []],
    ['度大臾（庾）岭过江来。', []],
  ];
  for (const [sentence, pairs] of cases) {
    assert.deepStrictEqual(verses.quotablePairs(sentence, isPool), pairs, sentence);
  }
  // Split at the sentence ends; a quotation cut in two loses its marks.
  assert.deepStrictEqual(verses.sentencesOf('子曰：「学而时习之，不亦说乎？」有朋自远方来。夫'),
    ['子曰：“学而时习之，不亦说乎？”', '有朋自远方来。', '夫']);
  assert.deepStrictEqual(verses.sentencesOf('曰：「归去来兮。田园将芜」'), ['曰：归去来兮。', '田园将芜']);
});

test('best line: the better-known poem, then the shorter sentence, then the first read', () => {
  const offers = [
    ['a', 'x', { tier: 1, score: 30 }, 'tier 1 first'],
    ['bb', 'y', { tier: 3, score: 20 }, 'a higher tier wins over popularity'],
    ['c', 'z', { tier: 2, score: 35 }, 'a lower tier loses'],
    ['dddd', 'w', { tier: 3, score: 24 }, 'the higher score in a tier wins over length'],
    ['ee', 'v', { tier: 3, score: 24 }, 'the shorter sentence wins a tie'],
    ['ff', 'u', { tier: 3, score: 24 }, 'the first read keeps a full tie'],
  ];
  const best = new verses.BestLines();
  const expected = ['a', 'bb', 'bb', 'dddd', 'ee', 'ee'];
  offers.forEach(([sentence, credit, fame, why], i) => {
    best.offer('明月', sentence, credit, fame);
    assert.strictEqual(best.get('明月').sentence, expected[i], why);
  });
});

test('credits: 诗经 by 国风 state or 雅 and 颂, 楚辞 by its part, later poems by dynasty and poet', () => {
  const cases = [
    [verses.shijingCredit({ chapter: '国风', section: '秦风', title: '蒹葭' }), '《诗经·秦风·蒹葭》'],
    [verses.shijingCredit({ chapter: '小雅', section: '鹿鸣之什', title: '鹿鸣' }), '《诗经·小雅·鹿鸣》'],
    [verses.shijingCredit({ chapter: '周颂', section: '清庙之什', title: '清庙' }), '《诗经·周颂·清庙》'],
    [verses.chuciCredit({ section: '离骚', title: '离骚' }), '《楚辞·离骚》'],
    [verses.chuciCredit({ section: '九歌', title: '少司命' }), '《楚辞·九歌·少司命》'],
    [verses.laterCredit('唐', '李白', '靜夜思', toSimplified), '唐·李白《静夜思》'],
    [verses.laterCredit('唐', '王維 ', '少年行四首 四', toSimplified), '唐·王维《少年行四首·其四》'],
    [verses.laterCredit('唐', '李白', '雜曲歌辭 行路難三首 一', toSimplified), '唐·李白《行路难三首·其一》'],
    [verses.laterCredit('宋', '蔡襄', '至和杂书五首  八月一日', toSimplified), '宋·蔡襄《至和杂书五首·八月一日》'],
    [verses.laterCredit('宋', '王炎2', '水调歌头', toSimplified), '宋·王炎《水调歌头》'],
    [verses.laterCredit('唐', '太宗皇帝', '帝京篇十首 一', toSimplified), '唐·李世民《帝京篇十首·其一》'],
  ];
  for (const [got, want] of cases) assert.strictEqual(got, want);
});
