// Builds 诗词.tsv, the poem library, from the chinese-poetry package: the classic anthologies
// whole, then the best-known Tang shi, Song ci and Song shi by the package's popularity ranks,
// everything in simplified characters (opencc-js). Rows are written best-known first: the
// row order is what the program's 诗词出处 ranks poems by.
'use strict';

const path = require('path');

// How many poems of each ranked collection, after the anthologies.
const RANKED_QUOTA = { tang: 5000, songci: 4000, songshi: 1500 };

// Line ends as the poem memo shows them; the picker treats CR and LF as separators.
const LINE_END = '\r\n';
const CLAUSE_END = /[，。、！？；：,.!?;:]/;

// The poets of the 花间集 who lived and wrote in the Tang.
const TANG_IN_HUAJIAN = new Set(['温庭筠', '皇甫松']);
// 楚辞 poets of the Warring States; the later ones are Han.
const PRE_QIN_CHUCI = new Set(['屈原', '宋玉', '景差']);

// Ranks are search counts for poet and title: meaningless for an unknown poet (or one known
// by a surname alone) or a title
// shared by hundreds of fragments.
const ANONYMOUS = /^(无名氏|無名氏|佚名|不详|不詳|无名|無名)$/;
const GENERIC_TITLE = /^(句|又一?首|失题|失題|缺题|缺題|逸句|断句|斷句)/;

const NUMERALS = ['', '一', '二', '三', '四', '五', '六', '七', '八', '九', '十'];
function chineseNumber(n) {
  if (n <= 10) return NUMERALS[n];
  if (n < 20) return `十${NUMERALS[n - 10]}`;
  if (n < 100) return `${NUMERALS[Math.floor(n / 10)]}十${NUMERALS[n % 10]}`;
  return String(n);
}

function clean(text) {
  return String(text || '')
    .replace(/[・•‧]/g, '·')
    .replace(/[\u3000\s]+/g, ' ')
    .trim();
}

function firstClause(lines) {
  const first = lines.find((l) => l) || '';
  const end = first.search(CLAUSE_END);
  return end > 0 ? first.slice(0, end) : first;
}

// Text a reader could not take as it stands: gaps, editors' brackets and notes.
function hasGaps(lines) {
  return lines.some((l) => /[□■\[\]{}（）()〔〕【】]/.test(l));
}

// The first characters of a poem without punctuation: the same poem from two collections.
function textKey(author, lines) {
  return `${author}|${lines.join('').replace(/[^\p{Script=Han}]/gu, '').slice(0, 16)}`;
}

function popularity(rank) {
  if (!rank) return 0;
  return Math.log1p(Number(rank.baidu) || 0) + Math.log1p(Number(rank.so360) || 0);
}

function readJson(files, name) {
  const buf = files.get(name);
  if (!buf) throw new Error(`chinese-poetry: no ${name} in the package`);
  return JSON.parse(buf.toString('utf8'));
}

// Files matching re, in the numeric order of their index (poet.tang.0.json, .1000.json …).
function numbered(files, re) {
  return [...files.keys()].filter((f) => re.test(f))
    .sort((a, b) => Number(re.exec(a)[1]) - Number(re.exec(b)[1]));
}

class Library {
  constructor(toSimplified) {
    this.s = toSimplified;
    this.rows = [];
    this.seen = new Set();
    this.rawSeen = new Set(); // the same keys before conversion, to check candidates cheaply
    this.titles = new Map(); // dynasty|poet|title -> times used
    this.counts = new Map();
  }

  // poem: { dynasty, author, title, lines, ci (bool) , rhythmic }
  add(poem, collection) {
    this.rawSeen.add(textKey(String(poem.author || ''), (poem.lines || []).map(String)));
    const author = clean(this.s(poem.author || '')).replace(/\s.*$/, '') || '佚名';
    const lines = (poem.lines || []).map((l) => clean(this.s(l))).filter((l) => l);
    if (lines.length === 0) return false;
    const key = textKey(author, lines);
    if (this.seen.has(key)) return false;
    let title;
    if (poem.ci) {
      const rhythmic = clean(this.s(poem.rhythmic || poem.title || ''));
      title = rhythmic.includes('·') ? rhythmic : `${rhythmic}·${firstClause(lines)}`;
    } else {
      title = clean(this.s(poem.title || ''));
    }
    if (!title) return false;
    this.seen.add(key);
    const slot = `${poem.dynasty}|${author}|${title}`;
    const used = (this.titles.get(slot) || 0) + 1;
    this.titles.set(slot, used);
    // Titles stay unique per poet: a repeated one is numbered from its second use.
    if (used > 1) title = `${title}（${chineseNumber(used)}）`;
    this.rows.push([poem.dynasty, author, title, lines.join(LINE_END)]);
    this.counts.set(collection, (this.counts.get(collection) || 0) + 1);
    return true;
  }
}

function anthologies(files) {
  const out = [];
  const push = (collection, list) => out.push({ collection, list });
  push('诗经', readJson(files, 'dist/shijing/shijing.json').map((p) => ({
    dynasty: '先秦', author: '佚名', title: p.title, lines: p.content,
  })));
  push('楚辞', readJson(files, 'dist/chuci/chuci.json').map((p) => ({
    dynasty: PRE_QIN_CHUCI.has(p.author) ? '先秦' : '汉',
    author: p.author,
    title: p.section && p.section !== p.title ? `${p.section}·${p.title}` : p.title,
    lines: p.content,
  })));
  push('唐诗三百首', readJson(files, 'dist/quantangshi/唐诗三百首.json').map((p) => ({
    dynasty: '唐', author: p.author, title: p.title, lines: p.paragraphs,
  })));
  push('宋词三百首', readJson(files, 'dist/songci/宋词三百首.json').map((p) => ({
    dynasty: '宋', author: p.author, rhythmic: p.rhythmic, ci: true, lines: p.paragraphs,
  })));
  push('曹操诗集', readJson(files, 'dist/caocaoshiji/caocao.json').map((p) => ({
    dynasty: '汉', author: '曹操', title: p.title, lines: p.paragraphs,
  })));
  push('南唐二主词', readJson(files, 'dist/wudaishici/nantang/poetrys.json').map((p) => ({
    dynasty: '五代', author: p.author, rhythmic: p.rhythmic, ci: true, lines: p.paragraphs,
  })));
  const huajian = numbered(files, /^dist\/wudaishici\/huajianji\/huajianji-(\d+)-juan\.json$/)
    .concat(files.has('dist/wudaishici/huajianji/huajianji-x-juan.json')
      ? ['dist/wudaishici/huajianji/huajianji-x-juan.json'] : []);
  push('花间集', huajian.flatMap((f) => readJson(files, f)).map((p) => {
    const author = String(p.author || '').replace(/\s.*$/, '');
    return {
      dynasty: TANG_IN_HUAJIAN.has(author) ? '唐' : '五代', author, rhythmic: p.rhythmic || p.title,
      ci: true, lines: p.paragraphs,
    };
  }));
  push('纳兰性德', readJson(files, 'dist/nalanxingde/纳兰性德诗集.json').map((p) => ({
    dynasty: '清', author: '纳兰性德', title: p.title, lines: p.para,
  })));
  return out;
}

// The collections ranked by popularity: their poem files, their rank files, how to read them.
const RANKED = [
  { name: 'tang', dynasty: '唐', collection: '全唐诗', ci: false,
    poems: /^dist\/quantangshi\/poet\.tang\.(\d+)\.json$/, ranks: /^dist\/rank\/poet\/poet\.tang\.rank\.(\d+)\.json$/ },
  { name: 'songci', dynasty: '宋', collection: '全宋词', ci: true,
    poems: /^dist\/songci\/ci\.song\.(\d+)\.json$/, ranks: /^dist\/rank\/ci\/ci\.song\.rank\.(\d+)\.json$/ },
  { name: 'songshi', dynasty: '宋', collection: '全宋诗', ci: false,
    poems: /^dist\/quantangshi\/poet\.song\.(\d+)\.json$/, ranks: /^dist\/rank\/poet\/poet\.song\.rank\.(\d+)\.json$/ },
];

// One ranked collection: its poems with the popularity of their rank entry (joined on poet
// and title, or poet and tune for ci: the rank files do not line up with the poem files).
function ranked(files, poemRe, rankRe, opts) {
  const ranks = new Map();
  for (const f of numbered(files, rankRe)) {
    for (const r of readJson(files, f)) ranks.set(`${r.author}|${opts.ci ? r.rhythmic : r.title}`, r);
  }
  const out = [];
  for (const f of numbered(files, poemRe)) {
    for (const p of readJson(files, f)) {
      const lines = p.paragraphs || [];
      if (!p.author || p.author.length < 2 || ANONYMOUS.test(p.author) || lines.length === 0 || hasGaps(lines)
          || lines.join('').length < 10 || (!opts.ci && GENERIC_TITLE.test(String(p.title || '')))) continue;
      const score = popularity(ranks.get(`${p.author}|${opts.ci ? p.rhythmic : p.title}`));
      if (score <= 0) continue;
      out.push({
        score, collection: opts.collection,
        poem: { dynasty: opts.dynasty, author: p.author, title: p.title, rhythmic: p.rhythmic, ci: opts.ci, lines },
      });
    }
  }
  // Best known first; the package's order among equals.
  return out.map((e, i) => ({ ...e, i })).sort((a, b) => b.score - a.score || a.i - b.i);
}

function buildPoems(ctx) {
  const log = ctx.log || (() => {});
  const files = ctx.sources['chinese-poetry'].files;
  const { Converter } = require(path.join(ctx.sources['opencc-js'].dir, 'dist', 'umd', 't2cn.js'));
  const convert = Converter({ from: 't', to: 'cn' });
  const lib = new Library((t) => convert(String(t)));

  for (const { collection, list } of anthologies(files)) {
    for (const poem of list) lib.add(poem, collection);
  }
  const pools = RANKED.map((c) => [c.name, ranked(files, c.poems, c.ranks, c)]);
  // The chosen poems of all three, merged by popularity.
  const chosen = [];
  for (const [name, pool] of pools) {
    let taken = 0;
    for (const entry of pool) {
      if (taken >= RANKED_QUOTA[name]) break;
      if (lib.rawSeen.has(textKey(String(entry.poem.author), entry.poem.lines.map(String)))) continue;
      chosen.push(entry);
      ++taken;
    }
  }
  chosen.sort((a, b) => b.score - a.score);
  for (const { poem, collection } of chosen) lib.add(poem, collection);

  log(`诗词 ${[...lib.counts].map(([c, n]) => `${c} ${n}`).join(', ')}`);
  return { header: ['朝代', '诗人', '诗名', '诗句'], rows: lib.rows };
}

// The package files the builder reads: the rest of its 360 MB stays packed.
const MEMBERS = [
  /^LICENSE$/, /^package\.json$/,
  /^dist\/shijing\/shijing\.json$/, /^dist\/chuci\/chuci\.json$/, /^dist\/caocaoshiji\/caocao\.json$/,
  /^dist\/quantangshi\/唐诗三百首\.json$/, /^dist\/songci\/宋词三百首\.json$/,
  /^dist\/quantangshi\/poet\.(tang|song)\.\d+\.json$/, /^dist\/songci\/ci\.song\.\d+\.json$/,
  /^dist\/rank\/(poet|ci)\/(poet|ci)\.(tang|song)\.rank\.\d+\.json$/,
  /^dist\/nalanxingde\//, /^dist\/wudaishici\/(nantang\/poetrys|huajianji\/huajianji-[\dx]+-juan)\.json$/,
];

module.exports = {
  buildPoems, MEMBERS, Library, firstClause, textKey, chineseNumber, hasGaps, clean, readJson, numbered, ranked,
  RANKED, RANKED_QUOTA,
};
