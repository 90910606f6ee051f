// The analysis report's page: a fixed template filled from the name's texts, N81 and sc.
#pragma once

#include "numerology/NameCheck.h"
#include "numerology/NameScore.h"
#include "numerology/ScoredName.h"

#include <QString>

#include <functional>
#include <optional>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {

// The comment that goes with a score.
QString scoreComment(int score);

// Runs the six lookups and fills the template. charset names the page's declared encoding
// (the window shows the text as it is; a file or stdout wants "utf-8"). The name check and
// the score's explanation are made on the same database (on the shared connection, with the
// shared tables). Throws data::ConversionError for a score or grid that is not a number, and
// data::DatabaseError when a lookup fails.
QString buildNameReport(data::Database &db, const ScoredName &input,
                        const QString &charset = QStringLiteral("gb2312"));
QString buildNameReport(data::Database &db, const ScoredName &input, const NameCheck &check,
                        const ScoreBreakdown &breakdown, const QString &charset = QStringLiteral("gb2312"));

// A block the report adds to its template: rows in the report's boxed table, and the space after.
QString reportBlock(const QString &rows);

// The report's two blocks as HTML tables: the name check, and how the score was made.
QString nameCheckHtml(const NameCheck &check);
QString scoreExplanationHtml(const ScoreBreakdown &breakdown);

// What the report and the scoring page say of a name against the baby's birth chart. The
// program sets the source (from the profile's birth time); without one nothing is said.
struct ChartVerdict {
    QString html; // the report's block
    QString line; // one line for the scoring page
};
using ChartVerdictSource = std::function<std::optional<ChartVerdict>(data::Database &, const ScoredName &)>;
void setChartVerdictSource(ChartVerdictSource source);
std::optional<ChartVerdict> chartVerdictFor(data::Database &db, const ScoredName &name);

} // namespace qiming::numerology
