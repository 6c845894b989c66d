#include "EnvironmentOverride.h"

#include <QtGlobal>

EnvironmentOverride::EnvironmentOverride(const char *name, const std::optional<QByteArray> &value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_old = qgetenv(name);
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

EnvironmentOverride::~EnvironmentOverride()
{
    if (m_old)
        qputenv(m_name, *m_old);
    else
        qunsetenv(m_name);
}
