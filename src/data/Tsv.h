// The project's TSV files: a header line of column names, one row a line, tab-separated;
// \\ \t \n \r escape inside a field, a field that is exactly \N is NULL, lines starting
// with # are comments (a value that starts with # is written \#).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

namespace qiming::data {

struct TsvTable {
    QString path;
    QStringList header;
    std::vector<QVariantList> rows; // a null QVariant for \N, else a QString
    std::vector<int> lineNumbers;   // of each row, for messages
};

// Reads a whole file; false with a message naming the file and line on any fault.
bool readTsv(const QString &path, TsvTable *out, QString *error);
bool parseTsv(const QByteArray &bytes, const QString &path, TsvTable *out, QString *error);
QString escapeTsvField(const QVariant &value);

} // namespace qiming::data
