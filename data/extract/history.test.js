// node --test data/extract/
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const history = require('./history.js');

function monthDir(files) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'history-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
  return dir;
}

test('a day page lists its events by year, BC years and markup written out', () => {
  const dir = monthDir({
    '02.tsv': '# 说明\n日\t年\t事件\n10\t1990\t后来的事。\n10\t-221\t先前的事。\n29\t2004\t闰日 <b>标记</b> & 符号。\n',
  });
  const { header, rows } = history.buildHistory(dir);
  assert.deepStrictEqual(header, ['h_month', 'h_day', 'h_con']);
  assert.deepStrictEqual(rows.map((r) => r.slice(0, 2)), [['2', '10'], ['2', '29']]);
  assert.ok(rows[0][2].indexOf('公元前221年') < rows[0][2].indexOf('1990年'));
  assert.ok(rows[0][2].startsWith('<h3>2月10日'));
  assert.ok(rows[1][2].includes('&lt;b&gt;标记&lt;/b&gt; &amp; 符号'));
});

test('a bad row names its file and line; days beyond the month are bad', () => {
  for (const bad of ['30\t2000\t二月没有三十日。', '3\t公元\t年份不是数。', '3\t0\t没有公元0年。', '3\t2000\t']) {
    const dir = monthDir({ '02.tsv': `日\t年\t事件\n${bad}\n` });
    assert.throws(() => history.buildHistory(dir), /02\.tsv:2/, bad);
  }
  assert.throws(() => history.buildHistory(monthDir({ '01.tsv': '日期\t年\t事件\n' })), /header/);
});

test('the source text follows the files, so an edit changes the cache key', () => {
  const dir = monthDir({ '01.tsv': '日\t年\t事件\n1\t2000\t一。\n' });
  const before = history.sourceText(dir);
  fs.writeFileSync(path.join(dir, '01.tsv'), '日\t年\t事件\n1\t2000\t二。\n');
  assert.notStrictEqual(history.sourceText(dir), before);
});
