#pragma once

#include <QString>
#include <new>
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
    // A message for the person for any exception that reaches the engine's edge: the
    // engine's own text, or a plain account of running out of memory or another fault.
    static QString messageOf(const std::exception &error)
    {
        if (const auto *own = dynamic_cast<const CelvaneError *>(&error))
            return own->message();
        if (dynamic_cast<const std::bad_alloc *>(&error))
            return QStringLiteral("メモリが足りないため、帳票を作れませんでした");
        return QStringLiteral("帳票を作れませんでした（%1）").arg(QString::fromLocal8Bit(error.what()));
    }

private:
    QString m_message;
};

}  // namespace celvane
