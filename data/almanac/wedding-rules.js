#!/usr/bin/env node
// Writes, at build time, which days of the sexagenary cycle the almanac of lunar-javascript
// marks 宜 "嫁娶" in each month of the cycle, as a C++ table the program compiles in:
//
//   node data/almanac/wedding-rules.js --out FILE
//
// The package's daily 宜 list (Lunar.getDayYi, its default sect: the month in force from the
// day of its 节) is a function of the month pillar and the day pillar. The script checks that
// for 嫁娶 the month's stem plays no part, so 12 branches x 60 days say it all, and that the
// table gives the package's answer on every day of 1900-2100. FILE is rewritten only when its
// text changes. Node standard library only; the package comes pinned through the extractor.
'use strict';

const fs = require('fs');
const path = require('path');
const { unpackNpm } = require('../extract/npm.js');

const PACKAGE = 'lunar-javascript';
const VERSION = '1.7.7';
const INTEGRITY = 'sha512-u/KYiwPIBo/0bT+WWfU7qO1d+aqeB90Tuy4ErXenr2Gam0QcWeezUvtiOIyXR7HbVnW2I1DKfU0NBvzMZhbVQw==';
const WEDDING = '嫁娶';

function fail(message) {
  process.stderr.write(`wedding-rules: error: ${message}\n`);
  process.exit(1);
}

// rows[branch][day] = true when a day of that cycle index is good for weddings in a month
// of that branch (0 子 … 11 亥; the 寅 month opens at 立春).
function weddingRules(lib) {
  const { LunarUtil } = lib;
  const rows = Array.from({ length: 12 }, () => Array(60).fill(null));
  for (let month = 0; month < 60; month++) {
    for (let day = 0; day < 60; day++) {
      const good = LunarUtil.getDayYi(LunarUtil.JIA_ZI[month], LunarUtil.JIA_ZI[day]).includes(WEDDING);
      const branch = month % 12;
      if (rows[branch][day] !== null && rows[branch][day] !== good) {
        fail(`the month's stem changes ${WEDDING} on ${LunarUtil.JIA_ZI[day]} in a month of branch ${branch}`);
      }
      rows[branch][day] = good;
    }
  }
  return rows;
}

function verify(lib, rows) {
  const { Solar } = lib;
  let days = 0;
  for (let d = Solar.fromYmd(1900, 1, 1); d.getYear() <= 2100; d = d.next(1)) {
    const lunar = d.getLunar();
    const expected = lunar.getDayYi().includes(WEDDING);
    const got = rows[lunar.getMonthZhiIndex()][lib.LunarUtil.getJiaZiIndex(lunar.getDayInGanZhi())];
    if (got !== expected) fail(`${d.toYmd()}: table ${got}, package ${expected}`);
    days++;
  }
  return days;
}

function cppText(rows) {
  const lines = [
    `// Written by data/almanac/wedding-rules.js from ${PACKAGE}@${VERSION} (npm); do not edit.`,
    `// One row per month branch (子 first), one character per day of the cycle (甲子 first):`,
    `// '1' where the almanac marks the day 宜 ${WEDDING}.`,
    ...rows.map((r) => `"${r.map((g) => (g ? '1' : '0')).join('')}",`),
  ];
  return lines.join('\n') + '\n';
}

function main() {
  const args = process.argv.slice(2);
  if (args.length !== 2 || args[0] !== '--out') fail('usage: wedding-rules.js --out FILE');
  const out = path.resolve(args[1]);
  const { dir } = unpackNpm(PACKAGE, VERSION, INTEGRITY);
  const lib = require(path.join(dir, 'index.js'));
  const rows = weddingRules(lib);
  const days = verify(lib, rows);
  const text = cppText(rows);
  if (!fs.existsSync(out) || fs.readFileSync(out, 'utf8') !== text) {
    const tmp = `${out}.tmp-${process.pid}`;
    fs.writeFileSync(tmp, text);
    fs.renameSync(tmp, out);
  }
  const good = rows.flat().filter((g) => g).length;
  process.stdout.write(`wedding-rules: ${good} of 720 month-day pairs, checked on ${days} days\n`);
}

main();
