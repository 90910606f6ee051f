// Name-numerology stroke counts (康熙笔画): the strokes of a character's traditional
// form as the Kangxi dictionary counts them, with the radical in its full form.
//
// For a simplified character ch:
//  1. Its traditional form: naming-forms.tsv where it lists ch (范 余 于 … keep their
//     own form), else the first form of OpenCC's character table, else ch itself.
//  2. 一 to 十 count as the number they stand for (四 4, not its 5 strokes).
//  3. kangxi-corrections.tsv where it lists the traditional form (郎 14: Kangxi's
//     own glyph is 郞).
//  4. Otherwise radical + residual from kRSKangXi (kRSUnicode where Kangxi has no
//     entry). The radical counts as its full Kangxi form: the strokes of radical n
//     follow from n, since the 214 radicals are ordered by stroke count. That is
//     what makes 氵 4, 扌 4, 忄 4, 犭 4, 礻 5, 王 5, 衤 6, 月(肉) 6, 艹 6, 辶 7,
//     左阝(阜) 8, 右阝(邑) 7, 罒 6 while 月 as radical 74 stays 4.
//  5. A character that is itself a radical form (residual 0 or less) counts its own
//     strokes: 王 4, 玉 5, 水 4.
//  6. Kangxi files a few characters under a residual one short of the component's
//     own count (此 as 5 in 柴 紫 些, 武 in 斌, 路 in 露). When the character's
//     total strokes less the full radical exceed the residual, the radical cannot
//     have been written in a reduced form, so the residual is short: the larger
//     value is taken.
'use strict';

// First radical of each stroke count: radicals 1-6 have one stroke, 7-29 two, …
const RADICAL_STROKE_STARTS = [
  [1, 1], [7, 2], [30, 3], [61, 4], [95, 5], [118, 6], [147, 7], [167, 8], [176, 9],
  [187, 10], [195, 11], [201, 12], [205, 13], [209, 14], [211, 15], [212, 16], [214, 17],
];

function radicalStrokes(radical) {
  if (!(radical >= 1 && radical <= 214)) throw new RangeError(`no Kangxi radical ${radical}`);
  let strokes = 0;
  for (const [start, n] of RADICAL_STROKE_STARTS) if (radical >= start) strokes = n;
  return strokes;
}

const NUMERALS = new Map([...'一二三四五六七八九十'].map((c, i) => [c, i + 1]));

// "85.3" or "120'.5" (a simplified radical) or "96.-1"; the first of several values.
function parseRadicalStroke(text) {
  const m = /^(\d+)('*)\.(-?\d+)/.exec((text || '').trim());
  if (!m) return null;
  return { radical: Number(m[1]), simplifiedRadical: m[2] !== '', residual: Number(m[3]) };
}

// kTotalStrokes may hold a zh-Hans value and a zh-Hant value; a traditional form takes the last.
function totalStrokes(record, form) {
  const values = ((record && record.kTotalStrokes) || '').trim().split(/\s+/).filter(Boolean).map(Number);
  if (values.length === 0) return null;
  return form === 'traditional' ? values[values.length - 1] : values[0];
}

// unihan: Map(char -> record); opencc: Map(simplified -> traditional);
// namingForms: Map(simplified -> traditional); corrections: Map(traditional -> count).
// Returns { traditional, strokes, how } with how one of
// numeral | corrected | radical-form | residual | residual-short.
function kangxiStrokes(ch, { unihan, opencc, namingForms, corrections }) {
  const traditional = namingForms.get(ch) || opencc.get(ch) || ch;
  if (NUMERALS.has(traditional)) return { traditional, strokes: NUMERALS.get(traditional), how: 'numeral' };
  if (corrections.has(traditional)) return { traditional, strokes: corrections.get(traditional), how: 'corrected' };
  let form = traditional;
  let record = unihan.get(form);
  // A traditional form outside the data (never seen so far) falls back to the character.
  if (!record || !record.kTotalStrokes) { form = ch; record = unihan.get(ch); }
  const total = totalStrokes(record, 'traditional');
  const rs = parseRadicalStroke(record && (record.kRSKangXi || record.kRSUnicode));
  if (total === null || rs === null) return { traditional, strokes: null, how: 'unknown' };
  if (rs.residual <= 0) return { traditional, strokes: total, how: 'radical-form' };
  const full = radicalStrokes(rs.radical);
  if (!rs.simplifiedRadical && total - full > rs.residual) {
    return { traditional, strokes: total, how: 'residual-short' };
  }
  return { traditional, strokes: full + rs.residual, how: 'residual' };
}

module.exports = { radicalStrokes, parseRadicalStroke, totalStrokes, kangxiStrokes, NUMERALS };
