#include "CelvaneOptions.h"

#include "Celvane.h"

namespace celvane {

void CelvaneOptions::AllowSave(bool allow)
{
    m_engine.allowSave = allow;
}

bool CelvaneOptions::AllowSave() const
{
    return m_engine.allowSave;
}

void CelvaneOptions::Set(int property, const QVariant &value)
{
    if (property == kAllowSave)
        m_engine.allowSave = value.toBool();
    else
        m_engine.options[property] = value;
}

QVariant CelvaneOptions::Get(int property) const
{
    return property == kAllowSave ? QVariant(m_engine.allowSave) : m_engine.options.value(property);
}

}  // namespace celvane
