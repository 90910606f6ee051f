#include "generation/NameCandidate.h"

#include "numerology/SharedNumerology.h"

namespace qiming::generation {

QString NameCandidate::cell(int column) const
{
    switch (column) {
    case Serial: return serial;
    case Name: return scored.name;
    case Pinyin: return scored.pinyin;
    case Elements: return scored.elements;
    case SimplifiedStrokes: return scored.simplifiedStrokes;
    case KangxiStrokes: return scored.kangxiStrokes;
    case FiveGrids: return scored.fiveGrids;
    case Score: return scored.score;
    default: return {};
    }
}

const QStringList &candidateHeader()
{
    static const QStringList header = {QStringLiteral("序号"), QStringLiteral("名字"), QStringLiteral("拼音"),
                                       QStringLiteral("五行"), QStringLiteral("简体笔画"), QStringLiteral("康熙笔画"),
                                       QStringLiteral("五格"), QStringLiteral("评分")};
    return header;
}

numerology::ScoredName buildCandidate(const QString &fullName, bool singleSurname, bool singleGiven)
{
    return numerology::scoreFullName(fullName, singleSurname, singleGiven, QString());
}

} // namespace qiming::generation
