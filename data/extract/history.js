// Builds 历史上的今天 from the project's own year-book: data/tables/历史上的今天/MM.tsv, one
// event a row (日, 年, 事件), into one HTML page per day (h_month, h_day, h_con).
'use strict';

const fs = require('fs');
const path = require('path');

const DIR = path.join(__dirname, '..', 'tables', '历史上的今天');

function escapeHtml(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function yearText(year) {
  return year < 0 ? `公元前${-year}年` : `${year}年`;
}

// Rows of one month file: comment lines and the header skipped; a bad row is an error naming it.
function readMonth(file, month) {
  const events = [];
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  let header = false;
  for (const [i, raw] of lines.entries()) {
    const line = raw.replace(/\r$/, '');
    if (!line || line.startsWith('#')) continue;
    const f = line.split('\t');
    if (!header) {
      if (f.join('|') !== '日|年|事件') throw new Error(`${file}: header must be 日 年 事件`);
      header = true;
      continue;
    }
    const day = Number(f[0]);
    const year = Number(f[1]);
    const days = new Date(Date.UTC(2024, month, 0)).getUTCDate(); // 2024: February has 29
    if (f.length !== 3 || !Number.isInteger(day) || day < 1 || day > days || !Number.isInteger(year)
        || year === 0 || !f[2].trim()) {
      throw new Error(`${file}:${i + 1}: expected 日<TAB>年<TAB>事件`);
    }
    events.push({ day, year, text: f[2].trim() });
  }
  return events;
}

// dir holds 01.tsv … 12.tsv; a missing month gives no rows.
function buildHistory(dir = DIR) {
  const rows = [];
  for (let month = 1; month <= 12; month++) {
    const file = path.join(dir, `${String(month).padStart(2, '0')}.tsv`);
    if (!fs.existsSync(file)) continue;
    const byDay = new Map();
    for (const e of readMonth(file, month)) {
      if (!byDay.has(e.day)) byDay.set(e.day, []);
      byDay.get(e.day).push(e);
    }
    for (const day of [...byDay.keys()].sort((a, b) => a - b)) {
      const events = byDay.get(day).sort((a, b) => a.year - b.year);
      const items = events.map((e) => `<li><b>${yearText(e.year)}</b>　${escapeHtml(e.text)}</li>`).join('');
      const html = `<h3>${month}月${day}日 · 历史上的今天</h3><ul>${items}</ul>`;
      rows.push([String(month), String(day), html]);
    }
  }
  return { header: ['h_month', 'h_day', 'h_con'], rows };
}

// The files the table is made from, for the cache key.
function sourceText(dir = DIR) {
  if (!fs.existsSync(dir)) return '';
  return fs.readdirSync(dir).filter((f) => f.endsWith('.tsv')).sort()
    .map((f) => `${f}\0${fs.readFileSync(path.join(dir, f), 'utf8')}`).join('\0');
}

module.exports = { DIR, buildHistory, sourceText, yearText };
