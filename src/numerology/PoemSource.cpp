#include "numerology/PoemSource.h"

#include "data/Database.h"
#include "data/PerConnection.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "numerology/NameReport.h"

#include <sqlite3.h>

#include <algorithm>

namespace qiming::numerology {

namespace {

bool endsSentence(QChar c)
{
    return c == u'。' || c == u'！' || c == u'？' || c == u'；' || c == u'\r' || c == u'\n';
}

bool endsLine(QChar c)
{
    return endsSentence(c) || c == u'，' || c == u'、' || c == u'：';
}

// 2: both within one line; 1: both within the sentence; 0: not both (a repeated character
// needs two occurrences).
int closeness(const QString &sentence, QChar a, QChar b)
{
    bool hasA = false, hasB = false, inSentenceA = false, inSentenceB = false;
    int countA = 0, sentenceCountA = 0;
    for (qsizetype i = 0; i <= sentence.size(); ++i) {
        const QChar c = i < sentence.size() ? sentence.at(i) : QChar(u'，');
        if (endsLine(c)) {
            if (a == b ? countA >= 2 : hasA && hasB)
                return 2;
            hasA = hasB = false;
            countA = 0;
            continue;
        }
        if (c == a) {
            hasA = inSentenceA = true;
            ++countA;
            ++sentenceCountA;
        }
        if (c == b)
            hasB = inSentenceB = true;
    }
    if (a == b)
        return sentenceCountA >= 2 ? 1 : 0;
    return inSentenceA && inSentenceB ? 1 : 0;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

PoemSourceIndex PoemSourceIndex::load(data::Database &db)
{
    PoemSourceIndex index;
    db.forEachRow(QStringLiteral("select 朝代, 诗人, 诗名, 诗句 from 诗词 order by rowid"), {},
                  [&index](sqlite3_stmt *stmt) {
                      const auto text = [stmt](int col) {
                          const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt, col));
                          return p ? QString::fromUtf8(p, sqlite3_column_bytes(stmt, col)) : QString();
                      };
                      const int poem = int(index.m_poems.size());
                      index.m_poems.push_back({text(0), text(1), text(2)});
                      const QString body = text(3);
                      qsizetype start = 0;
                      for (qsizetype i = 0; i <= body.size(); ++i) {
                          if (i < body.size() && !endsSentence(body.at(i)))
                              continue;
                          const qsizetype end = i < body.size() && body.at(i) != u'\r' && body.at(i) != u'\n'
                                                    ? i + 1 : i;
                          const QString sentence = body.mid(start, end - start).trimmed();
                          start = i + 1;
                          if (sentence.isEmpty())
                              continue;
                          const int id = int(index.m_sentences.size());
                          index.m_sentences.push_back({poem, sentence});
                          for (const QChar c : sentence) {
                              if (c.isSurrogate() || endsLine(c))
                                  continue;
                              std::vector<int> &list = index.m_postings[c];
                              if (list.empty() || list.back() != id)
                                  list.push_back(id);
                          }
                      }
                  });
    return index;
}

PoemSource PoemSourceIndex::sourceOf(int sentence) const
{
    const Sentence &s = m_sentences[size_t(sentence)];
    const Poem &p = m_poems[size_t(s.poem)];
    return {p.dynasty, p.poet, p.title, s.text};
}

std::vector<PoemSource> PoemSourceIndex::lookup(const QString &given, int limit) const
{
    std::vector<PoemSource> out;
    if (given.isEmpty() || given.size() > 2 || limit <= 0)
        return out;
    const QChar a = given.at(0);
    const QChar b = given.size() == 2 ? given.at(1) : QChar();
    const auto listA = m_postings.constFind(a);
    if (listA == m_postings.cend())
        return out;
    if (b.isNull()) {
        int lastPoem = -1;
        for (const int id : *listA) {
            if (m_sentences[size_t(id)].poem == lastPoem)
                continue;
            lastPoem = m_sentences[size_t(id)].poem;
            out.push_back(sourceOf(id));
            if (int(out.size()) == limit)
                break;
        }
        return out;
    }
    const auto listB = m_postings.constFind(b);
    if (listB != m_postings.cend())
        out = together(*listA, *listB, a, b, limit);
    if (!out.empty())
        return out;
    // Nowhere together: the best-known verses of each character, in turn.
    const std::vector<PoemSource> first = lookup(QString(a), limit);
    const std::vector<PoemSource> second = a == b ? std::vector<PoemSource>{} : lookup(QString(b), limit);
    QStringList poems;
    for (size_t k = 0; int(out.size()) < limit && (k < first.size() || k < second.size()); ++k) {
        for (const std::vector<PoemSource> *list : {&first, &second}) {
            if (k >= list->size() || int(out.size()) == limit)
                continue;
            PoemSource s = (*list)[k];
            const QString key = s.dynasty + QLatin1Char('|') + s.poet + QLatin1Char('|') + s.title;
            if (poems.contains(key))
                continue;
            poems << key;
            s.together = false;
            out.push_back(s);
        }
    }
    return out;
}

std::vector<PoemSource> PoemSourceIndex::together(const std::vector<int> &listA, const std::vector<int> &listB,
                                                  QChar a, QChar b, int limit) const
{
    std::vector<PoemSource> out;
    // Sentences holding both, in library order; one line beats one sentence.
    std::vector<int> sameLine, sameSentence;
    std::vector<int> poemsLine, poemsSentence;
    auto i = listA.begin();
    auto j = listB.begin();
    while (i != listA.end() && j != listB.end() && int(sameLine.size()) < limit) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            const int id = *i;
            const int poem = m_sentences[size_t(id)].poem;
            const int level = closeness(m_sentences[size_t(id)].text, a, b);
            if (level == 2 && std::find(poemsLine.begin(), poemsLine.end(), poem) == poemsLine.end()) {
                sameLine.push_back(id);
                poemsLine.push_back(poem);
            } else if (level == 1 && int(sameSentence.size()) < limit
                       && std::find(poemsSentence.begin(), poemsSentence.end(), poem) == poemsSentence.end()) {
                sameSentence.push_back(id);
                poemsSentence.push_back(poem);
            }
            ++i;
            ++j;
        }
    }
    for (const int id : sameLine)
        out.push_back(sourceOf(id));
    for (const int id : sameSentence) {
        if (int(out.size()) == limit)
            break;
        const int poem = m_sentences[size_t(id)].poem;
        if (std::find(poemsLine.begin(), poemsLine.end(), poem) == poemsLine.end())
            out.push_back(sourceOf(id));
    }
    return out;
}

const PoemSourceIndex &sharedPoemSourceIndex()
{
    static data::PerConnection<PoemSourceIndex> index;
    return index.get(data::sharedDatabase(), [](data::Database &db) { return PoemSourceIndex::load(db); });
}

std::vector<PoemSource> findPoemSources(const QString &given, int limit)
{
    return sharedPoemSourceIndex().lookup(given, limit);
}

QString givenNameOf(const ScoredName &name)
{
    const QString &full = name.name;
    if (name.surnameLength > 0)
        return full.mid(name.surnameLength);
    if (full.size() <= 2)
        return full.mid(1);
    if (full.size() >= 4)
        return full.mid(2);
    // Three characters: 天格 is the surname's strokes + 1 for a single surname, the sum of
    // both for a compound one; 人格 follows the same split.
    const QStringList strokes = name.kangxiStrokes.split(QLatin1Char('-'));
    const QStringList grids = name.fiveGrids.split(QLatin1Char('-'));
    if (strokes.size() == 3 && grids.size() >= 2) {
        const int s1 = strokes[0].toInt(), s2 = strokes[1].toInt(), s3 = strokes[2].toInt();
        const int tian = grids[0].toInt(), ren = grids[1].toInt();
        const bool single = tian == s1 + 1 && ren == s1 + s2;
        const bool compound = tian == s1 + s2 && ren == s2 + s3;
        if (compound && !single)
            return full.mid(2);
    }
    return full.mid(1);
}

QString poemSourceBlock(data::Database &db, const ScoredName &name)
{
    static data::PerConnection<PoemSourceIndex> index;
    const QString given = givenNameOf(name);
    const std::vector<PoemSource> found =
        index.get(db, [](data::Database &d) { return PoemSourceIndex::load(d); }).lookup(given);

    QString rows;
    for (const PoemSource &s : found) {
        QString verse;
        for (const QChar c : s.verse) {
            const QString ch = escaped(QString(c));
            verse += given.contains(c) ? QStringLiteral("<b><span style=\"color: #B22222;\">%1</span></b>").arg(ch) : ch;
        }
        rows += QStringLiteral("<tr><td>%1<br><span class=\"note\">——%2·%3《%4》</span></td></tr>\n")
                    .arg(verse, escaped(s.dynasty), escaped(s.poet), escaped(s.title));
    }
    if (!found.empty() && !found.front().together)
        rows.prepend(QStringLiteral("<tr><td>在本软件收录的诗词中，没有找到“%1”二字同在一句或一联的诗句；"
                                    "以下是两字各自出现的诗句。</td></tr>\n")
                         .arg(escaped(given)));
    if (found.empty()) {
        const QString none = given.size() == 2
                                 ? QStringLiteral("在本软件收录的诗词中，没有找到“%1”二字同在一句或一联的诗句。")
                                 : QStringLiteral("在本软件收录的诗词中，没有找到含有“%1”字的诗句。");
        rows = QStringLiteral("<tr><td>%1</td></tr>\n").arg(none.arg(escaped(given)));
    }
    return reportBlock(QStringLiteral("<tr><td><span class=\"heading\">诗词出处：</span>名字中的字在古诗词里同句或同联出现之处，"
                                      "供您体会字的意境。</td></tr>\n")
                       + rows);
}

} // namespace qiming::numerology
