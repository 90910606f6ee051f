// The calendar's one error: a civil date that does not exist.
#pragma once

#include <QString>

#include <stdexcept>

namespace qiming::calendar {

class EDateException final : public std::runtime_error {
public:
    EDateException(int year, int month, int day)
        : EDateException(QStringLiteral("您输入的时间不存在，请检查: %1-%2-%3.").arg(year).arg(month).arg(day))
    {
    }
    const QString &message() const { return m_message; }

private:
    explicit EDateException(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString m_message;
};

} // namespace qiming::calendar
