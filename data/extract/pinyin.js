// Pinyin spellings: tone numbers (CC-CEDICT's "lu:4") to tone marks, and the plain
// form of column py (no marks, lower case, ü as v).
'use strict';

const MARKS = {
  a: 'āáǎà', e: 'ēéěè', i: 'īíǐì', o: 'ōóǒò', u: 'ūúǔù', ü: 'ǖǘǚǜ',
  A: 'ĀÁǍÀ', E: 'ĒÉĚÈ', I: 'ĪÍǏÌ', O: 'ŌÓǑÒ', U: 'ŪÚǓÙ', Ü: 'ǕǗǙǛ',
};

// The mark goes on a or e, else on the o of ou, else on the last vowel.
function markSyllable(syllable) {
  const m = /^([A-Za-zü:Ü]+?)([1-5])?$/.exec(syllable);
  if (!m) return syllable;
  const base = m[1].replace(/u:/g, 'ü').replace(/U:/g, 'Ü').replace(/v/g, 'ü').replace(/V/g, 'Ü');
  const tone = Number(m[2] || 5);
  if (tone === 5) return base;
  let at = base.search(/[aeAE]/);
  if (at < 0) at = base.search(/[oO][uU]/);
  if (at < 0) {
    for (let i = base.length - 1; i >= 0; i--) if ('iouüIOUÜ'.includes(base[i])) { at = i; break; }
  }
  if (at < 0) return base; // "m2", "ng" and other syllables without a vowel
  return base.slice(0, at) + MARKS[base[at]][tone - 1] + base.slice(at + 1);
}

// "Ming2 chao2" -> "Míng cháo"; tokens that are not syllables stay as they are.
function numberedToMarked(text) {
  return text.split(' ').map(markSyllable).join(' ');
}

function plainPinyin(marked) {
  return marked.normalize('NFD').replace(/[\u0300-\u036f]/g, (c) => (c === '\u0308' ? '\u0308' : ''))
    .normalize('NFC').replace(/ü/g, 'v').replace(/Ü/g, 'v').toLowerCase();
}

module.exports = { markSyllable, numberedToMarked, plainPinyin };
