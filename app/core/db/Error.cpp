#include "Error.h"

namespace db {

Error::Error(const QString &message, long gdsCode)
    : std::runtime_error(message.toStdString())
    , m_gdsCode(gdsCode)
{
}

QString Error::message() const
{
    return QString::fromUtf8(what());
}

}  // namespace db
