// Numerology values travel as decimal text; a text that is not a decimal integer ends the
// action with this error.
#pragma once

#include <QString>
#include <stdexcept>

namespace qiming::data {

class ConversionError final : public std::runtime_error {
public:
    explicit ConversionError(const QString &text)
        : std::runtime_error(message(text).toStdString()), m_message(message(text))
    {
    }
    const QString &message() const { return m_message; }

private:
    static QString message(const QString &text)
    {
        return QStringLiteral("“%1”不是有效的整数").arg(text);
    }
    QString m_message;
};

// Optional sign and ASCII digits, surrounding blanks allowed; anything else throws.
int parseInteger(const QString &text);

} // namespace qiming::data
