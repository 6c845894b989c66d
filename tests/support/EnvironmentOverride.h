#pragma once

#include <QByteArray>
#include <optional>

// One environment variable set (or, with std::nullopt, removed) for the life of the
// object; the old value, or its absence, comes back afterwards.
class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const std::optional<QByteArray> &value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride &) = delete;
    EnvironmentOverride &operator=(const EnvironmentOverride &) = delete;

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};
