// Pinned npm packages: fetched once into the per-user download cache with npm pack (never
// installed, no scripts run), checked against their integrity and read from the tarball, or
// unpacked beside it when their code is to be run.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const crypto = require('crypto');
const { spawnSync } = require('child_process');

const { fail, readTgz } = require('./archive.js');
const { mkdirp } = require('./tables.js');

// Shared by every build tree of the user, so a new build folder downloads nothing.
function downloadCacheDir() {
  const base = process.env.XDG_CACHE_HOME || path.join(process.env.HOME || os.homedir(), '.cache');
  return path.join(base, 'qiming', 'npm');
}

// The file npm pack writes for NAME@VERSION: @scope/demo 1.2.3 -> scope-demo-1.2.3.tgz.
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

module.exports = { downloadCacheDir, tarballName, fetchNpm, unpackNpm };
