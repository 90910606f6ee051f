// The archive readers the extractor unpacks its sources with: tar and gzipped tar (npm
// tarballs), zip members, and the error type every extractor module fails with.
// Node standard library only.
'use strict';

const fs = require('fs');
const zlib = require('zlib');
const { spawnSync } = require('child_process');

// A failure the user can act on (a missing file, a bad archive, an unreachable registry),
// told apart from a fault in the code.
class ExtractError extends Error {}
function fail(msg) { throw new ExtractError(msg); }

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

// Whether a tool (unzip, bzip2) can be run; the readers fall back or fail clearly without it.
function haveCommand(cmd) {
  const r = spawnSync(cmd, ['--help'], { stdio: 'ignore' });
  return !r.error;
}

module.exports = { ExtractError, fail, readTar, readTgz, readZipEntry, haveCommand };
