#include "data/Tsv.h"

#include <QFile>

namespace qiming::data {

namespace {

bool unescape(QStringView raw, QVariant *out)
{
    if (raw == QLatin1String("\\N")) {
        *out = QVariant();
        return true;
    }
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar ch = raw[i];
        if (ch != QLatin1Char('\\')) {
            text += ch;
            continue;
        }
        if (++i >= raw.size())
            return false;
        switch (raw[i].unicode()) {
        case '\\': text += QLatin1Char('\\'); break;
        case 't': text += QLatin1Char('\t'); break;
        case 'n': text += QLatin1Char('\n'); break;
        case 'r': text += QLatin1Char('\r'); break;
        case '#': text += QLatin1Char('#'); break;
        default: return false;
        }
    }
    *out = text.isNull() ? QString(QLatin1String("")) : text;
    return true;
}

} // namespace

bool parseTsv(const QByteArray &bytes, const QString &path, TsvTable *out, QString *error)
{
    *out = TsvTable{};
    out->path = path;
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD")) {
        if (error)
            *error = QStringLiteral("%1: 不是 UTF-8 文本").arg(path);
        return false;
    }
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines.at(n);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QList<QStringView> fields = line.split(QLatin1Char('\t'));
        const int lineNo = int(n + 1);
        if (out->header.isEmpty()) {
            for (QStringView f : fields)
                out->header << f.trimmed().toString();
            continue;
        }
        if (fields.size() != out->header.size()) {
            if (error)
                *error = QStringLiteral("%1:%2: 应有 %3 列，实有 %4 列")
                             .arg(path, QString::number(lineNo), QString::number(out->header.size()),
                                  QString::number(fields.size()));
            return false;
        }
        QVariantList row;
        row.reserve(fields.size());
        for (QStringView f : fields) {
            QVariant v;
            if (!unescape(f, &v)) {
                if (error)
                    *error = QStringLiteral("%1:%2: 无效的转义").arg(path, QString::number(lineNo));
                return false;
            }
            row << v;
        }
        out->rows.push_back(std::move(row));
        out->lineNumbers.push_back(lineNo);
    }
    if (out->header.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: 缺少表头").arg(path);
        return false;
    }
    return true;
}

bool readTsv(const QString &path, TsvTable *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    return parseTsv(f.readAll(), path, out, error);
}

QString escapeTsvField(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("\\N");
    QString s = value.toString();
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    if (s.startsWith(QLatin1Char('#')))
        s.prepend(QLatin1Char('\\'));
    return s;
}

} // namespace qiming::data
