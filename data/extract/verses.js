// Builds 诗词搭配.tsv: every ordered pair of name-pool characters that stand side by side in a
// line of the chinese-poetry package (诗经, 楚辞, 全唐诗, 全宋诗, 宋词), how often it does, and
// the line a parent would quote for it: from a well-known poem, never one that mourns or
// negates. The program takes a pair that poets often wrote as belonging together.
'use strict';

const path = require('path');

const poems = require('./poems.js');
const { readPools } = require('./names.js');

// A sentence holding one of these speaks of death, illness, parting, loss, sorrow, war or scorn.
const GLOOM = new Set([...'死亡丧葬埋坟墓冢殇殁逝尸骨骸棺吊悼哭泣涕泪悲哀愁忧恨怨苦病痛伤残衰老孤寂寞别离断肠魂鬼'
  + '血杀戮斩兵戈戍战叹凄惨寒冷憔悴惆怅凋枯萎灭毁败废荒弃谪贬囚狱罪贼祸灾凶恶惧恐怒妒饥饿贫吁失'
  + '嘲讥讽骂辱耻愧愚丑淫妓娼']);
// A poem whose title holds one of these mourns, grieves, mocks or lies ill (长恨歌, 哀江头, 招魂,
// 苦昼短, 九思·怨上, 嘲中条, 书病): none of its lines is quoted. Farewell poems (送别, 留别) are
// not: many of their lines are glad ones.
const MOURNING_TITLE = /[哀悼挽祭殇哭吊葬墓坟死亡恨魂泣病苦怨嘲悲愁伤叹忧]/;
// A clause holding one of these says what is not: a name is not taken from a denial.
const NEGATION = new Set([...'不无莫未非勿休岂难弗毋匪靡罔没否']);
const SENTENCE = /[^。！？；]+(?:[。！？；]+[”’」』]?)?/g;
const HAN = /\p{Script=Han}/u;
const CLAUSE_BREAK = /[，。、！？；：“”‘’「」『』《》·]/;
// Anything else in a sentence is an editor's gap, note or stray mark: such a sentence is not quoted.
const FOREIGN = /[^\p{Script=Han}，。、！？；：“”‘’「」『』《》·]/u;

// How well known a poem is: { tier, score }, compared tier first.
// 3: 诗经 国风 and 小雅, 屈原's 楚辞, 唐诗三百首 and 宋词三百首; 2: the rest of 诗经 and 楚辞;
// 1: the Tang and Song poems the poem library takes by popularity. The score is the rank
// files' popularity in whole steps (finer steps mean nothing); the classics, which have no
// rank, stand with the best-known fifth of the two anthologies, 国风 a step before the rest.
const CLASSIC_SCORE = 23;
// Shorter sentences are clipped phrases of a ci ("近清明。"), nothing to quote.
const MIN_QUOTE = 5;

const NUMERAL = /^[一二三四五六七八九十百]+$/;
// The rulers among the well-known poets, filed by the package under their temple titles: a
// reader knows them by name.
const RULERS = {
  太宗皇帝: '李世民', 高宗皇帝: '李治', 中宗皇帝: '李显', 明皇帝: '李隆基', 德宗皇帝: '李适', 宣宗皇帝: '李忱',
  文德皇后: '长孙皇后', 宋真宗: '赵恒',
};
// The 乐府 category 全唐诗 puts before a title (杂曲歌辞 行路难): not part of the title a reader knows.
const YUEFU = /^(郊庙歌辞|燕射歌辞|鼓吹曲辞|横吹曲辞|相和歌辞|清商曲辞|舞曲歌辞|琴曲歌辞|杂曲歌辞|近代曲辞|杂歌谣辞|新乐府辞)$/;

// ---- credits ---------------------------------------------------------------------------

// 《诗经·周南·关雎》, 《诗经·小雅·鹿鸣》: 国风 by its state, the rest by 小雅, 大雅, 周颂 …
function shijingCredit(p) {
  return `《诗经·${p.chapter === '国风' ? p.section : p.chapter}·${p.title}》`;
}

// 《楚辞·离骚》, 《楚辞·九歌·少司命》.
function chuciCredit(p) {
  return p.section && p.section !== p.title ? `《楚辞·${p.section}·${p.title}》` : `《楚辞·${p.title}》`;
}

// 唐·李白《静夜思》; the package's "少年行四首 四" reads 少年行四首·其四, other parts after a space
// are joined by ·, a leading 乐府 category is dropped, an emperor is named. toSimplified
// converts author and title.
function laterCredit(dynasty, author, title, toSimplified) {
  // The package tells poets of one name apart by a number (王炎2) or a bracket.
  const name = poems.clean(toSimplified(author)).replace(/\s.*$/, '').replace(/\[[^\]]*\]|\d+$/g, '');
  const who = RULERS[name] || name;
  const parts = poems.clean(toSimplified(title)).split(' ');
  if (parts.length > 1 && YUEFU.test(parts[0])) parts.shift();
  const last = parts.length > 1 && NUMERAL.test(parts[parts.length - 1]) ? `其${parts.pop()}` : null;
  if (last) parts.push(last);
  return `${dynasty}·${who}《${parts.join('·')}》`;
}

// ---- counting ----------------------------------------------------------------------------

// Counts ordered pairs of pool characters standing side by side, after conversion to
// simplified characters. Each line goes through the phrase converter (about 3 s for the
// package), so that 乾坤 keeps its 乾 where a character-by-character table would read 干.
class PairCounter {
  constructor(pool, toSimplified) {
    this.pool = [...pool].sort();
    this.n = this.pool.length;
    this.index = new Map(this.pool.map((c, i) => [c, i]));
    this.s = toSimplified;
    this.counts = new Uint32Array(this.n * this.n);
    // Pool index by UTF-16 unit, -1 outside the pool: the pool is all in the BMP.
    this.byUnit = new Int32Array(0x10000).fill(-1);
    for (const [c, i] of this.index) if (c.length === 1) this.byUnit[c.charCodeAt(0)] = i;
  }

  // Pool index of a character (-1 when outside the pool).
  at(ch) {
    const i = this.index.get(ch);
    return i === undefined ? -1 : i;
  }

  // Counts the pairs of a line; returns the line in simplified characters.
  add(line) {
    const text = this.s(line);
    let prev = -1;
    for (let i = 0; i < text.length; ++i) {
      const k = this.byUnit[text.charCodeAt(i)];
      if (prev >= 0 && k >= 0) ++this.counts[prev * this.n + k];
      prev = k;
    }
    return text;
  }

  count(pair) {
    const chars = [...pair];
    const a = this.at(chars[0]);
    const b = this.at(chars[1]);
    return a < 0 || b < 0 || chars.length !== 2 ? 0 : this.counts[a * this.n + b];
  }

  // [[pair, times], ...] for every pair seen, most frequent first, then by the characters.
  pairs() {
    const out = [];
    for (let a = 0; a < this.n; ++a) {
      for (let b = 0; b < this.n; ++b) {
        const times = this.counts[a * this.n + b];
        if (times) out.push([this.pool[a] + this.pool[b], times]);
      }
    }
    return out.sort((x, y) => y[1] - x[1] || (x[0] < y[0] ? -1 : x[0] > y[0] ? 1 : 0));
  }
}

// ---- quotable lines ---------------------------------------------------------------------

// The sentences of a simplified text, each with its closing mark; mainland quotation marks,
// and none at all when a quotation opens in one sentence and closes in another.
function sentencesOf(text) {
  return (text.match(SENTENCE) || []).map((s) => {
    let out = s.trim().replace(/「/g, '“').replace(/」/g, '”').replace(/『/g, '‘').replace(/』/g, '’');
    const n = (re) => (out.match(re) || []).length;
    if (n(/“/g) !== n(/”/g) || n(/‘/g) !== n(/’/g)) out = out.replace(/[“”‘’]/g, '');
    return out;
  }).filter((s) => s);
}

// The pairs a sentence may be quoted for: none when it is gloomy, negates anywhere (read aloud,
// "君言不得意" casts its shade on the clause beside it) or is not plain text; else the
// side-by-side pool pairs of its clauses. isPool(ch) -> bool.
function quotablePairs(sentence, isPool) {
  if (FOREIGN.test(sentence)) return [];
  const chars = [...sentence];
  if (chars.some((c) => GLOOM.has(c) || NEGATION.has(c)) || chars.filter((c) => HAN.test(c)).length < MIN_QUOTE) {
    return [];
  }
  const out = [];
  for (const clause of sentence.split(CLAUSE_BREAK)) {
    const cs = [...clause];
    for (let i = 0; i + 1 < cs.length; ++i) {
      if (isPool(cs[i]) && isPool(cs[i + 1])) out.push(cs[i] + cs[i + 1]);
    }
  }
  return out;
}

// Keeps, for each pair, the line of the best-known poem; among equals the shorter sentence,
// then the one read first.
class BestLines {
  constructor() { this.best = new Map(); }

  offer(pair, sentence, credit, fame) {
    const had = this.best.get(pair);
    const length = [...sentence].length;
    if (had && (had.tier > fame.tier || (had.tier === fame.tier && (had.score > fame.score
        || (had.score === fame.score && had.length <= length))))) return;
    this.best.set(pair, { sentence, credit, tier: fame.tier, score: fame.score, length });
  }

  get(pair) { return this.best.get(pair); }
}

// ---- the package -------------------------------------------------------------------------

// textKey of a poem -> { tier, score } for the Tang and Song poems that count as well known.
function wellKnown(files) {
  const anthologies = ['dist/quantangshi/唐诗三百首.json', 'dist/songci/宋词三百首.json'];
  const out = new Map(anthologies.flatMap((f) => poems.readJson(files, f))
    .map((p) => [poems.textKey(String(p.author), (p.paragraphs || []).map(String)), { tier: 3, score: 0 }]));
  for (const c of poems.RANKED) {
    poems.ranked(files, c.poems, c.ranks, c).forEach((e, i) => {
      const key = poems.textKey(String(e.poem.author), e.poem.lines.map(String));
      const had = out.get(key);
      if (had && had.tier === 3 && !had.score) had.score = Math.floor(e.score);
      else if (!had && i < poems.RANKED_QUOTA[c.name]) out.set(key, { tier: 1, score: Math.floor(e.score) });
    });
  }
  return out;
}

// Every poem of the counted collections: { lines, fame, credit() }, fame null for a poem that
// is not well known.
function* corpus(files, known, toSimplified) {
  for (const p of poems.readJson(files, 'dist/shijing/shijing.json')) {
    const fame = { tier: p.chapter === '国风' || p.chapter === '小雅' ? 3 : 2,
      score: CLASSIC_SCORE + (p.chapter === '国风' ? 1 : 0) };
    yield { lines: p.content, fame, credit: () => shijingCredit(p) };
  }
  for (const p of poems.readJson(files, 'dist/chuci/chuci.json')) {
    const fame = { tier: p.author === '屈原' ? 3 : 2, score: CLASSIC_SCORE };
    yield { lines: p.content, fame, credit: () => chuciCredit(p) };
  }
  for (const c of poems.RANKED) {
    for (const f of poems.numbered(files, c.poems)) {
      for (const p of poems.readJson(files, f)) {
        const lines = (p.paragraphs || []).map(String);
        const author = String(p.author || '');
        yield {
          lines,
          fame: known.get(poems.textKey(author, lines)) || null,
          credit: () => laterCredit(c.dynasty, author, (c.ci ? p.rhythmic : p.title) || '', toSimplified),
        };
      }
    }
  }
}

function buildVersePairs(ctx) {
  const started = Date.now();
  const log = ctx.log || (() => {});
  const files = ctx.sources['chinese-poetry'].files;
  const { Converter } = require(path.join(ctx.sources['opencc-js'].dir, 'dist', 'umd', 't2cn.js'));
  const convert = Converter({ from: 't', to: 'cn' });
  const toSimplified = (t) => convert(String(t));
  const pool = readPools().all;

  const counter = new PairCounter(pool, toSimplified);
  const lines = new BestLines();
  const isPool = (ch) => pool.has(ch);
  for (const poem of corpus(files, wellKnown(files), toSimplified)) {
    const text = poem.lines.map((line) => counter.add(String(line))).join('');
    if (!poem.fame) continue;
    const credit = poem.credit();
    if (MOURNING_TITLE.test(credit.slice(credit.indexOf('《')))) continue;
    for (const sentence of sentencesOf(text)) {
      for (const pair of quotablePairs(sentence, isPool)) {
        // Not counted: the two ends of lines the package left without punctuation.
        if (counter.count(pair)) lines.offer(pair, sentence, credit, poem.fame);
      }
    }
  }

  const rows = counter.pairs().map(([pair, times]) => {
    const best = lines.get(pair);
    return [pair, times, best ? best.sentence : '', best ? best.credit : ''];
  });
  const quoted = rows.filter((r) => r[2]).length;
  log(`诗词搭配: ${rows.length} pairs, ${quoted} with a line, ${((Date.now() - started) / 1000).toFixed(1)} s`);
  return { header: ['字对', '次数', '诗句', '出处'], rows };
}

module.exports = {
  buildVersePairs, PairCounter, BestLines, sentencesOf, quotablePairs, shijingCredit, chuciCredit, laterCredit,
  GLOOM, NEGATION,
};
