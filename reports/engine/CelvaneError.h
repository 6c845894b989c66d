#pragma once

#include <QString>
#include <stdexcept>

namespace celvane {

// An engine error: it ends the document being built. The text is for the user.
class CelvaneError : public std::runtime_error
{
public:
    explicit CelvaneError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

}  // namespace celvane
