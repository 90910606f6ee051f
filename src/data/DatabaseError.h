// Raised by the query layer; ends the user's action and is shown in a message box.
#pragma once

#include <QString>
#include <stdexcept>

namespace qiming::data {

class DatabaseError final : public std::runtime_error {
public:
    // sql, when given, is the statement that failed.
    explicit DatabaseError(const QString &reason, const QString &sql = {})
        : std::runtime_error(join(reason, sql).toStdString()), m_message(join(reason, sql)), m_reason(reason)
    {
    }
    // The reason, and the statement on a line of its own.
    const QString &message() const { return m_message; }
    // The reason alone.
    const QString &reason() const { return m_reason; }

private:
    static QString join(const QString &reason, const QString &sql)
    {
        return sql.isEmpty() ? reason : reason + QStringLiteral("\n(") + sql + QLatin1Char(')');
    }

    QString m_message;
    QString m_reason;
};

// The text to show for any error that ends an action: the project's errors carry their
// message as UTF-8 in what().
inline QString errorText(const std::exception &e)
{
    return QString::fromUtf8(e.what());
}

} // namespace qiming::data
