#pragma once

#include "RefCounted.h"

#include <string>

namespace strilux {

// The font object of the control's Font property.
class FontObject final : public IStxFont {
public:
    FontObject(std::string face, bool bold, bool italic) : m_face(std::move(face)), m_bold(bold), m_italic(italic) {}

    StxResult QueryInterface(const StxGuid& iid, void** object) override;
    std::uint32_t AddRef() override { return m_refs.add(); }
    std::uint32_t Release() override;
    StxResult get_Name(char** name) override;
    StxResult get_Bold(std::int32_t* bold) override;
    StxResult get_Italic(std::int32_t* italic) override;

private:
    ~FontObject() = default;
    RefCount m_refs;
    std::string m_face;
    bool m_bold, m_italic;
};

}  // namespace strilux
