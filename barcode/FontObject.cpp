#include "FontObject.h"

namespace strilux {

StxResult FontObject::get_Name(char **name)
{
    if (!name)
        return STX_E_POINTER;
    *name = StxAllocString(m_face.c_str());
    return STX_S_OK;
}

StxResult FontObject::get_Bold(std::int32_t *bold)
{
    if (!bold)
        return STX_E_POINTER;
    *bold = m_bold;
    return STX_S_OK;
}

StxResult FontObject::get_Italic(std::int32_t *italic)
{
    if (!italic)
        return STX_E_POINTER;
    *italic = m_italic;
    return STX_S_OK;
}

}  // namespace strilux
