// Raised by the query layer; ends the user's action and is shown in a message box.
#pragma once

#include <QString>
#include <stdexcept>

namespace qiming::data {

class DatabaseError final : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace qiming::data
