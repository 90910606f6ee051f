// Reads the rows of one table of an SQLite database file held in memory, enough for the
// data files that npm packages ship: no WAL, UTF-8 text. Node has no SQLite of its own
// before version 22, and the extractor runs before anything is installed.
'use strict';

class SqliteError extends Error {}

function varint(buf, pos) {
  let value = 0;
  for (let i = 0; i < 8; i++) {
    const b = buf[pos + i];
    value = value * 128 + (b & 0x7f);
    if (!(b & 0x80)) return [value, pos + i + 1];
  }
  return [value * 256 + buf[pos + 8], pos + 9];
}

function header(buf) {
  if (buf.toString('latin1', 0, 16) !== 'SQLite format 3\0') throw new SqliteError('not an SQLite database');
  const raw = buf.readUInt16BE(16);
  const pageSize = raw === 1 ? 65536 : raw;
  const usable = pageSize - buf[20];
  if (buf.readUInt32BE(56) > 1) throw new SqliteError('only UTF-8 databases are read');
  return { pageSize, usable };
}

// The record's values: numbers, strings, null; blobs as Buffers.
function decodeRecord(payload) {
  const [headerSize, start] = varint(payload, 0);
  const types = [];
  for (let p = start; p < headerSize;) {
    const [t, next] = varint(payload, p);
    types.push(t);
    p = next;
  }
  const values = [];
  let p = headerSize;
  for (const t of types) {
    if (t === 0) values.push(null);
    else if (t >= 1 && t <= 6) {
      const len = [0, 1, 2, 3, 4, 6, 8][t];
      let v = payload.readIntBE(p, Math.min(len, 6));
      if (len === 8) v = Number(payload.readBigInt64BE(p));
      values.push(v);
      p += len;
    } else if (t === 7) { values.push(payload.readDoubleBE(p)); p += 8; }
    else if (t === 8 || t === 9) values.push(t - 8);
    else if (t >= 12) {
      const len = Math.floor((t - 12) / 2);
      const bytes = payload.subarray(p, p + len);
      values.push(t % 2 === 0 ? Buffer.from(bytes) : bytes.toString('utf8'));
      p += len;
    } else throw new SqliteError(`unknown serial type ${t}`);
  }
  return values;
}

// Calls onRow(rowid, values) for every row of the table b-tree rooted at page root.
function walkTable(buf, geometry, root, onRow) {
  const { pageSize, usable } = geometry;
  const maxLocal = usable - 35;
  const minLocal = Math.floor(((usable - 12) * 32) / 255) - 23;
  const stack = [root];
  while (stack.length) {
    const page = stack.pop();
    const base = (page - 1) * pageSize;
    const h = page === 1 ? 100 : 0;
    const type = buf[base + h];
    const cells = buf.readUInt16BE(base + h + 3);
    const interior = type === 0x05;
    if (!interior && type !== 0x0d) throw new SqliteError(`page ${page} is not a table page`);
    const pointers = base + h + (interior ? 12 : 8);
    const children = [];
    for (let i = 0; i < cells; i++) {
      let p = base + buf.readUInt16BE(pointers + 2 * i);
      if (interior) {
        children.push(buf.readUInt32BE(p));
        continue;
      }
      let size;
      let rowid;
      [size, p] = varint(buf, p);
      [rowid, p] = varint(buf, p);
      let payload;
      if (size <= maxLocal) {
        payload = buf.subarray(p, p + size);
      } else {
        const k = minLocal + ((size - minLocal) % (usable - 4));
        const local = k <= maxLocal ? k : minLocal;
        const parts = [buf.subarray(p, p + local)];
        let left = size - local;
        let next = buf.readUInt32BE(p + local);
        while (left > 0 && next) {
          const o = (next - 1) * pageSize;
          const take = Math.min(left, usable - 4);
          parts.push(buf.subarray(o + 4, o + 4 + take));
          left -= take;
          next = buf.readUInt32BE(o);
        }
        payload = Buffer.concat(parts);
      }
      onRow(rowid, decodeRecord(payload));
    }
    if (interior) children.push(buf.readUInt32BE(base + h + 8));
    // Left to right, so rows come in rowid order.
    for (let i = children.length - 1; i >= 0; i--) stack.push(children[i]);
  }
}

// Calls onRow(values) for each row of the named table, in rowid order; an INTEGER PRIMARY
// KEY column holds the rowid.
function forEachRow(buf, table, onRow) {
  const geometry = header(buf);
  let root = 0;
  let sql = '';
  walkTable(buf, geometry, 1, (_, [type, name, , rootPage, text]) => {
    if (type === 'table' && String(name).toLowerCase() === table.toLowerCase()) {
      root = rootPage;
      sql = text || '';
    }
  });
  if (!root) throw new SqliteError(`no table ${table}`);
  const columns = /\(([\s\S]*)\)/.exec(sql)[1].split(',').map((c) => c.trim());
  const keyColumn = columns.findIndex((c) => /^\S+\s+integer\s+primary\s+key/i.test(c));
  walkTable(buf, geometry, root, (rowid, values) => {
    if (keyColumn >= 0 && values[keyColumn] === null) values[keyColumn] = rowid;
    onRow(values);
  });
}

module.exports = { forEachRow, decodeRecord, varint, SqliteError };
