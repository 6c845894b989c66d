#pragma once

#include <QVariant>

namespace celvane {

class Celvane;

// Engine options by their number. AllowSave (311) lets the preview offer saving; other
// numbers (the documents set 304) are kept for the caller and change nothing in the output.
class CelvaneOptions
{
public:
    explicit CelvaneOptions(Celvane &engine)
        : m_engine(engine)
    {
    }
    void AllowSave(bool allow);
    bool AllowSave() const;
    void Set(int property, const QVariant &value);
    QVariant Get(int property) const;

    static constexpr int kAllowSave = 311;

private:
    Celvane &m_engine;
};

}  // namespace celvane
