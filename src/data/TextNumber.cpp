#include "data/TextNumber.h"

namespace qiming::data {

int parseInteger(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = !t.isEmpty();
    for (qsizetype i = 0; ok && i < t.size(); ++i) {
        const QChar c = t.at(i);
        ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && t.size() > 1);
    }
    int value = 0;
    if (ok)
        value = t.toInt(&ok);
    if (!ok)
        throw ConversionError(text);
    return value;
}

} // namespace qiming::data
