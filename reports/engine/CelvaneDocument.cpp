#include "CelvaneDocument.h"

#include "Celvane.h"

namespace celvane {

void CelvaneDocument::Begin()
{
    m_engine.begin();
}

}  // namespace celvane
