// node --test data/extract/
// Offline: npm is only exercised through the download cache.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { spawnSync } = require('child_process');
const archive = require('./archive.js');
const tables = require('./tables.js');
const unihan = require('./unihan.js');
const npm = require('./npm.js');
const { SOURCES } = require('./sources.js');
const x = require('./extract.js');

const SCRIPT = path.join(__dirname, 'extract.js');

function tmpdir() {
  return fs.mkdtempSync(path.join(os.tmpdir(), 'qiming-extract-'));
}

function run(args, env = {}) {
  return spawnSync(process.execPath, [SCRIPT, ...args], {
    encoding: 'utf8', env: { ...process.env, ...env },
  });
}

test('TSV escapes', () => {
  assert.strictEqual(tables.escapeField('a\\b\tc\nd\re'), 'a\\\\b\\tc\\nd\\re');
  assert.strictEqual(tables.escapeField(null), '\\N');
  assert.strictEqual(tables.escapeField(''), '');
  assert.strictEqual(tables.escapeField('#x'), '\\#x');
  assert.strictEqual(tables.escapeField('\\N'), '\\\\N');
  assert.strictEqual(tables.tsvText(['a', 'b'], [['1', null]]), 'a\tb\n1\t\\N\n');
  assert.throws(() => tables.tsvText(['a', 'b'], [['1']]), /2/);
});

test('tgz with long names unpacks without the top folder', () => {
  const dir = tmpdir();
  const long = 'd'.repeat(60) + '/' + 'f'.repeat(70) + '.txt';
  fs.mkdirSync(path.join(dir, 'package', path.dirname(long)), { recursive: true });
  fs.writeFileSync(path.join(dir, 'package', long), '长名字');
  fs.writeFileSync(path.join(dir, 'package', 'package.json'), '{"name":"t"}');
  for (const fmt of ['pax', 'gnu', 'ustar']) {
    const tgz = path.join(dir, `${fmt}.tgz`);
    const r = spawnSync('tar', ['--format', fmt, '-czf', tgz, '-C', dir, 'package']);
    if (r.status !== 0) continue; // this tar can't write that format
    const files = archive.readTgz(tgz);
    assert.strictEqual(files.get(long).toString(), '长名字', fmt);
    assert.strictEqual(files.get('package.json').toString(), '{"name":"t"}', fmt);
    const kept = archive.readTgz(tgz, (f) => f === 'package.json');
    assert.deepStrictEqual([...kept.keys()], ['package.json'], fmt);
  }
  fs.rmSync(dir, { recursive: true });
});

function crc32(buf) {
  let c = ~0;
  for (const b of buf) {
    c ^= b;
    for (let k = 0; k < 8; k++) c = (c >>> 1) ^ (0xedb88320 & -(c & 1));
  }
  return ~c >>> 0;
}

function makeZip(entries) {
  const locals = [];
  const central = [];
  let off = 0;
  for (const [name, text, method] of entries) {
    const raw = Buffer.from(text);
    const data = method === 8 ? zlib.deflateRawSync(raw) : raw;
    const n = Buffer.from(name);
    const lh = Buffer.alloc(30);
    lh.writeUInt32LE(0x04034b50, 0);
    lh.writeUInt16LE(method, 8);
    lh.writeUInt32LE(crc32(raw), 14);
    lh.writeUInt32LE(data.length, 18);
    lh.writeUInt32LE(raw.length, 22);
    lh.writeUInt16LE(n.length, 26);
    const ch = Buffer.alloc(46);
    ch.writeUInt32LE(0x02014b50, 0);
    ch.writeUInt16LE(method, 10);
    ch.writeUInt32LE(crc32(raw), 16);
    ch.writeUInt32LE(data.length, 20);
    ch.writeUInt32LE(raw.length, 24);
    ch.writeUInt16LE(n.length, 28);
    ch.writeUInt32LE(off, 42);
    locals.push(lh, n, data);
    central.push(ch, n);
    off += 30 + n.length + data.length;
  }
  const cd = Buffer.concat(central);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(entries.length, 8);
  end.writeUInt16LE(entries.length, 10);
  end.writeUInt32LE(cd.length, 12);
  end.writeUInt32LE(off, 16);
  return Buffer.concat([...locals, cd, end]);
}

test('zip reader: stored and deflated members', () => {
  const dir = tmpdir();
  const zip = path.join(dir, 'u.zip');
  fs.writeFileSync(zip, makeZip([['a.txt', 'stored\n', 0], ['b.txt', 'deflated '.repeat(50), 8]]));
  assert.strictEqual(archive.readZipEntry(zip, 'a.txt').toString(), 'stored\n');
  assert.strictEqual(archive.readZipEntry(zip, 'b.txt').toString(), 'deflated '.repeat(50));
  assert.throws(() => archive.readZipEntry(zip, 'c.txt'), /no member/);
  fs.rmSync(dir, { recursive: true });
});

test('Unihan reader on plain, bz2 and zip input', async () => {
  const dir = tmpdir();
  const text = '# Unicode version: 15.0.0\n#\nU+660E\tkTotalStrokes\t8\nU+660E\tkMandarin\tmíng\n'
    + 'U+20000\tkMandarin\thē\nU+4E00\tkDefinition\tone\n';
  const plain = path.join(dir, 'Unihan_Readings.txt');
  fs.writeFileSync(plain, text);
  const inputs = [plain];
  if (spawnSync('bzip2', ['-k', plain]).status === 0) inputs.push(`${plain}.bz2`);
  const zip = path.join(dir, 'Unihan.zip');
  fs.writeFileSync(zip, makeZip([['Unihan_Readings.txt', text, 8]]));
  inputs.push(`${zip}:Unihan_Readings.txt`);
  for (const f of inputs) {
    const u = await unihan.readUnihan([f], ['kMandarin', 'kTotalStrokes']);
    assert.strictEqual(u.version, '15.0.0', f);
    assert.deepStrictEqual(u.chars.get('明'), { kTotalStrokes: '8', kMandarin: 'míng' }, f);
    assert.strictEqual(u.chars.get('\u{20000}').kMandarin, 'hē', f);
    assert.strictEqual(u.chars.has('一'), false, f);
  }
  await assert.rejects(unihan.readUnihan([path.join(dir, 'none.txt.bz2')], ['kMandarin']), /missing/);
  fs.rmSync(dir, { recursive: true });
});

const DEBIAN_UNIHAN = '/usr/share/unicode/Unihan_Readings.txt.bz2';
test('Debian Unihan file streams (stopping early does not hang)', { skip: !fs.existsSync(DEBIAN_UNIHAN) }, async () => {
  let n = 0;
  for await (const line of unihan.textLines(DEBIAN_UNIHAN)) if (++n > 100) break;
  assert.ok(n > 100);
});

test('fetchNpm uses the download cache without running npm', () => {
  const home = tmpdir();
  const pkg = path.join(home, 'src');
  fs.mkdirSync(path.join(pkg, 'package'), { recursive: true });
  fs.writeFileSync(path.join(pkg, 'package', 'data.txt'), 'cached');
  const npmDir = path.join(home, 'qiming', 'npm');
  fs.mkdirSync(npmDir, { recursive: true });
  const tgz = path.join(npmDir, npm.tarballName('@scope/demo', '1.2.3'));
  assert.strictEqual(path.basename(tgz), 'scope-demo-1.2.3.tgz');
  assert.strictEqual(spawnSync('tar', ['-czf', tgz, '-C', pkg, 'package']).status, 0);

  const saved = { XDG_CACHE_HOME: process.env.XDG_CACHE_HOME, PATH: process.env.PATH };
  process.env.XDG_CACHE_HOME = home;
  process.env.PATH = '/nonexistent';
  try {
    assert.strictEqual(npm.fetchNpm('@scope/demo', '1.2.3').get('data.txt').toString(), 'cached');
    assert.throws(() => npm.fetchNpm('@scope/demo', '1.2.4'), /npm not found/);
    assert.throws(() => npm.fetchNpm('@scope/demo', '^1.2.3'), /not pinned/);
    assert.throws(() => npm.fetchNpm('@scope/demo', '1.2.3', 'sha512-AAAA'), /integrity/);
  } finally {
    for (const [k, v] of Object.entries(saved)) {
      if (v === undefined) delete process.env[k]; else process.env[k] = v;
    }
  }
  fs.rmSync(home, { recursive: true });
});

test('fetchNpm: an unreachable registry fails on one line naming the registry step', () => {
  const home = tmpdir();
  const bin = path.join(home, 'bin');
  fs.mkdirSync(bin);
  // Stands in for npm offline: its --json error, exit 1.
  fs.writeFileSync(path.join(bin, 'npm'), '#!/bin/sh\necho \'{"error": {"code": "ECONNREFUSED", '
    + '"summary": "request to http://127.0.0.1:9/demo failed"}}\'\nexit 1\n', { mode: 0o755 });
  const saved = { XDG_CACHE_HOME: process.env.XDG_CACHE_HOME, PATH: process.env.PATH,
    npm_config_registry: process.env.npm_config_registry };
  process.env.XDG_CACHE_HOME = home;
  process.env.PATH = bin;
  process.env.npm_config_registry = 'http://127.0.0.1:9';
  const lines = [];
  try {
    assert.throws(() => npm.fetchNpm('demo', '1.0.0', undefined, undefined, (m) => lines.push(m)), (e) => {
      assert.strictEqual(e.message, 'cannot fetch demo@1.0.0 from the npm registry http://127.0.0.1:9 (ECONNREFUSED);'
        + ` the first build needs it once, later builds use ${path.join(home, 'qiming', 'npm')}`);
      assert.ok(!e.message.includes('\n'), e.message);
      return true;
    });
    assert.deepStrictEqual(lines, [`fetching demo@1.0.0 from the npm registry into ${path.join(home, 'qiming', 'npm')}`]);
    assert.deepStrictEqual(fs.readdirSync(path.join(home, 'qiming', 'npm')), []);
  } finally {
    for (const [k, v] of Object.entries(saved)) {
      if (v === undefined) delete process.env[k]; else process.env[k] = v;
    }
  }
  fs.rmSync(home, { recursive: true });
});

test('the key follows the installed Debian packages', () => {
  const dir = tmpdir();
  const file = path.join(dir, 'in.txt');
  fs.writeFileSync(file, 'x\n');
  const sources = [{ id: 'u', kind: 'debian', package: 'qiming-no-such-package', files: [file], produces: [] }];
  const versionFile = path.join(dir, 'VERSION');
  fs.writeFileSync(versionFile, '1\n');
  const key = (installedText) => x.cacheKey({ sources, versionFile, scriptText: 's', installedText });
  assert.notStrictEqual(key('unicode-data=15.0.0-1'), key('unicode-data=16.0.0-1'));
  // Not installed through dpkg: the file's size and time stand in.
  const before = x.installedDebian(sources);
  assert.strictEqual(x.installedDebian(sources), before);
  fs.writeFileSync(file, 'xy\n');
  assert.notStrictEqual(x.installedDebian(sources), before);
  for (const pkg of new Set(SOURCES.filter((s) => s.kind === 'debian').map((s) => s.package))) {
    if (spawnSync('dpkg-query', ['-W', pkg]).status === 0) {
      assert.match(x.installedDebian(SOURCES), new RegExp(`^${pkg}=\\S+$`, 'm'), pkg);
    }
  }
  fs.rmSync(dir, { recursive: true });
});

// The real sources take seconds to extract; a finished folder for their key stands in.
test('command line: a finished cache is current; bad arguments fail on one line', () => {
  const dir = tmpdir();
  const cache = path.join(dir, 'data-cache');
  const key = x.cacheKey();
  fs.mkdirSync(path.join(cache, key), { recursive: true });
  fs.writeFileSync(path.join(cache, key, 'DONE'), `${key}\n`);
  const r1 = run(['--cache', cache]);
  assert.strictEqual(r1.status, 0, r1.stderr);
  assert.strictEqual(r1.stdout, `extract: cache ${key} is current\n`);
  assert.strictEqual(fs.readlinkSync(path.join(cache, 'active')), key);
  // Nothing is rewritten when nothing changed: a tree built by another user stays usable.
  const link = fs.lstatSync(path.join(cache, 'active'));
  const folder = fs.statSync(cache);
  const r2 = run(['--cache', cache]);
  assert.strictEqual(r2.status, 0, r2.stderr);
  assert.strictEqual(fs.lstatSync(path.join(cache, 'active')).ino, link.ino);
  assert.strictEqual(fs.statSync(cache).mtimeMs, folder.mtimeMs);

  for (const args of [[], ['--cache'], ['--colour', 'x']]) {
    const r = run(args);
    assert.notStrictEqual(r.status, 0, args.join(' '));
    assert.match(r.stderr, /^extract: error: (usage|unknown argument)/);
    assert.strictEqual(r.stderr.trim().split('\n').length, 1);
  }
  fs.rmSync(dir, { recursive: true });
});

test('the key covers the extractor\'s modules and fact tables, not its tests', () => {
  const dir = tmpdir();
  fs.writeFileSync(path.join(dir, 'a.js'), 'code');
  fs.writeFileSync(path.join(dir, 'facts.tsv'), 'zi\n');
  fs.writeFileSync(path.join(dir, 'a.test.js'), 'test');
  const before = x.extractorText(dir);
  fs.writeFileSync(path.join(dir, 'a.test.js'), 'other test');
  assert.strictEqual(x.extractorText(dir), before);
  fs.writeFileSync(path.join(dir, 'facts.tsv'), 'zi\n明\n');
  assert.notStrictEqual(x.extractorText(dir), before);
  fs.rmSync(dir, { recursive: true });
});

test('sources feed tables; a new key replaces the old folder', async () => {
  const dir = tmpdir();
  const cache = path.join(dir, 'c');
  const input = path.join(dir, 'in.txt');
  fs.writeFileSync(input, '# Unicode version: 15.0.0\nU+660E\tkMandarin\tmíng\nU+4E00\tkMandarin\tyī\n');
  const versionFile = path.join(dir, 'VERSION');
  fs.writeFileSync(versionFile, '1\n');
  const sources = [{ id: 'u', kind: 'debian', package: 'unicode-data', label: 'Unihan',
    files: [input], produces: ['字典.tsv'] }];
  const builders = {
    '字典.tsv': async (ctx) => {
      const u = await unihan.readUnihan(ctx.sources.u.files, ['kMandarin']);
      return { header: ['zi', 'pinyin'], rows: [...u.chars].map(([c, r]) => [c, r.kMandarin]) };
    },
  };
  const lines = [];
  const opts = { sources, builders, versionFile, scriptText: 'extractor', log: (m) => lines.push(m) };
  const a = await x.extract(cache, opts);
  assert.strictEqual((await x.extract(cache, opts)).fresh, false);
  fs.writeFileSync(versionFile, '2\n');
  const b = await x.extract(cache, opts);
  assert.ok(lines.includes('字典.tsv 2 rows from Unihan 15.0'), lines.join('\n'));
  assert.notStrictEqual(a.key, b.key);
  assert.ok(!fs.existsSync(path.join(cache, a.key)));
  assert.strictEqual(fs.readFileSync(path.join(cache, 'active', '字典.tsv'), 'utf8'), 'zi\tpinyin\n明\tmíng\n一\tyī\n');
  assert.strictEqual(fs.readFileSync(path.join(cache, 'active', 'manifest.tsv'), 'utf8'),
    'file\trows\tsource\n字典.tsv\t2\tUnihan 15.0\n');

  // A missing Debian file fails before anything is marked done.
  fs.rmSync(input);
  fs.writeFileSync(versionFile, '3\n');
  await assert.rejects(x.extract(cache, opts), /missing/);
  assert.deepStrictEqual(fs.readdirSync(cache).sort(), [b.key, 'active'].sort());
  fs.rmSync(dir, { recursive: true });
});
