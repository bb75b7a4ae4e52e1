#pragma once

#include <QString>
#include <stdexcept>

namespace tarvo {

// A failure of the database or of a database operation, with the engine's own text.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace tarvo
