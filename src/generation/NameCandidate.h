// One row of a candidate list: its number and the scored name's seven texts.
#pragma once

#include "numerology/ScoredName.h"

#include <QStringList>

namespace qiming::generation {

enum CandidateColumn { Serial, Name, Pinyin, Elements, SimplifiedStrokes, KangxiStrokes, FiveGrids, Score, ColumnCount };

struct NameCandidate {
    QString serial;
    numerology::ScoredName scored;

    QString cell(int column) const;
};

// "序号", "名字", "拼音", "五行", "简体笔画", "康熙笔画", "五格", "评分"
const QStringList &candidateHeader();

// How the names of a list were formed and scored: the run's surname, length flags and gender.
// Adding a favourite stores these, so the name is split and scored later as it was here.
struct RunIdentity {
    bool singleSurname = true;
    bool singleGiven = false;
    QString gender = QStringLiteral("nan");
};

// A row made from a full name with the flags and the profile's gender.
numerology::ScoredName buildCandidate(const QString &fullName, bool singleSurname, bool singleGiven);

} // namespace qiming::generation
