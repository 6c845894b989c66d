#pragma once

#include <QString>

namespace templates {

// The Windows face names the forms use; the engine draws them with the IPA fonts.
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

// How the text of a cell looks: face, size and placement. Each modifier returns a copy, so
// a form names a few base looks and derives the rest where it uses them.
struct CellLook
{
    QString face = kPGothic;
    double size = 9.0;
    bool bold = false;
    bool underline = false;
    QString horizontal;  // empty: the spreadsheet's general alignment
    QString vertical = QStringLiteral("center");
    bool wrap = false;
    bool shrink = false;
    int rotation = 0;  // 255: letters stacked top to bottom
    int indent = 0;

    CellLook sized(double points) const
    {
        return with([points](CellLook &l) { l.size = points; });
    }
    CellLook in(const QString &f) const
    {
        return with([f](CellLook &l) { l.face = f; });
    }
    CellLook bolded() const
    {
        return with([](CellLook &l) { l.bold = true; });
    }
    CellLook underlined() const
    {
        return with([](CellLook &l) { l.underline = true; });
    }
    CellLook left() const { return aligned(QStringLiteral("left")); }
    CellLook center() const { return aligned(QStringLiteral("center")); }
    CellLook right() const { return aligned(QStringLiteral("right")); }
    CellLook top() const
    {
        return with([](CellLook &l) { l.vertical = QStringLiteral("top"); });
    }
    CellLook bottom() const
    {
        return with([](CellLook &l) { l.vertical = QStringLiteral("bottom"); });
    }
    // Wrapping and shrinking exclude each other, as in the spreadsheet's own dialog.
    CellLook wrapped() const
    {
        return with([](CellLook &l) { l.wrap = true, l.shrink = false; });
    }
    CellLook shrunk() const
    {
        return with([](CellLook &l) { l.shrink = true, l.wrap = false; });
    }
    CellLook stacked() const
    {
        return with([](CellLook &l) { l.rotation = 255; });
    }
    CellLook indented(int steps) const
    {
        return with([steps](CellLook &l) { l.indent = steps; });
    }

    bool operator==(const CellLook &) const = default;

private:
    CellLook aligned(const QString &h) const
    {
        return with([h](CellLook &l) { l.horizontal = h; });
    }
    template<typename F> CellLook with(F change) const
    {
        CellLook copy = *this;
        change(copy);
        return copy;
    }
};

}  // namespace templates
