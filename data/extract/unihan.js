// Reads the Unicode data files (Unihan, CJKRadicals) as Debian ships them: plain text,
// bzip2-packed (Unihan, one file per category) or a member of Unihan.zip.
'use strict';

const fs = require('fs');
const path = require('path');
const readline = require('readline');
const { Readable } = require('stream');
const { spawn } = require('child_process');

const { ExtractError, fail, readZipEntry, haveCommand } = require('./archive.js');

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
    input = Readable.from([readZipEntry(file, zipMember)]);
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

module.exports = { textLines, readUnihan };
