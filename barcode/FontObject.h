#pragma once

#include "RefCounted.h"

#include <string>

namespace strilux {

// The font object of the control's Font property.
class FontObject final : public ComObject<IStxFont, &IID_IFont>
{
public:
    FontObject(std::string face, bool bold, bool italic)
        : m_face(std::move(face))
        , m_bold(bold)
        , m_italic(italic)
    {
    }

    StxResult get_Name(char **name) override;
    StxResult get_Bold(std::int32_t *bold) override;
    StxResult get_Italic(std::int32_t *italic) override;

private:
    ~FontObject() override = default;
    std::string m_face;
    bool m_bold, m_italic;
};

}  // namespace strilux
