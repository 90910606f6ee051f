// Builds 历史上的今天 from the project's own year-book: data/tables/历史上的今天/MM.tsv, one
// event a row (日, 年, 事件), into one HTML page per day (h_month, h_day, h_con).
'use strict';

const path = require('path');
const { escapeHtml, readRows, sourceText: filesText } = require('./tables.js');

const DIR = path.join(__dirname, '..', 'tables', '历史上的今天');

function yearText(year) {
  return year < 0 ? `公元前${-year}年` : `${year}年`;
}

// Events of every month file (01.tsv … 12.tsv); a row naming a day the month does not have, a
// year that is not a whole number (or 0) or no event is an error naming its file and line.
function readEvents(dir) {
  const events = [];
  for (const row of readRows(dir, ['日', '年', '事件'])) {
    const m = /^(\d\d)\.tsv$/.exec(row.file);
    const month = m ? Number(m[1]) : 0;
    if (month < 1 || month > 12) continue;
    const day = Number(row.日);
    const year = Number(row.年);
    const days = new Date(Date.UTC(2024, month, 0)).getUTCDate(); // 2024: February has 29
    if (!Number.isInteger(day) || day < 1 || day > days || !Number.isInteger(year) || year === 0 || !row.事件) {
      throw new Error(`${path.join(dir, row.file)}:${row.line}: expected 日<TAB>年<TAB>事件`);
    }
    events.push({ month, day, year, text: row.事件 });
  }
  return events;
}

// dir holds 01.tsv … 12.tsv; a missing month gives no rows.
function buildHistory(dir = DIR) {
  const byDay = new Map();
  for (const e of readEvents(dir)) {
    const key = e.month * 100 + e.day;
    if (!byDay.has(key)) byDay.set(key, []);
    byDay.get(key).push(e);
  }
  const rows = [];
  for (const key of [...byDay.keys()].sort((a, b) => a - b)) {
    const month = Math.floor(key / 100);
    const day = key % 100;
    const events = byDay.get(key).sort((a, b) => a.year - b.year);
    const items = events.map((e) => `<li><b>${yearText(e.year)}</b>　${escapeHtml(e.text)}</li>`).join('');
    const html = `<h3>${month}月${day}日 · 历史上的今天</h3><ul>${items}</ul>`;
    rows.push([String(month), String(day), html]);
  }
  return { header: ['h_month', 'h_day', 'h_con'], rows };
}

// The files the table is made from, for the cache key.
function sourceText(dir = DIR) {
  return filesText(dir);
}

module.exports = { DIR, buildHistory, sourceText, yearText };
