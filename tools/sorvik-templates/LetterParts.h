#pragma once

#include "SheetBuilder.h"

namespace templates {

// The pieces of the letter-style notices (通知, 掲示): A4 portrait on twelve 14.5 mm columns,
// ruled only where a value is written by hand or by the program, with the body in the
// letter face and the "記" items numbered under it.
class LetterParts
{
public:
    explicit LetterParts(SheetBuilder &sheet);

    static constexpr int kColumns = 12;

    CellLook body() const;
    CellLook value() const;

    void title(int row, const QString &text);
    void date(int row, const QString &marker);
    // A wrapped paragraph over the whole width, `lines` rows high.
    void paragraph(int row, int lines, const QString &text);
    // A caption and the program's value after it, underlined, from column `indent`.
    void field(int row, int indent, const QString &caption, const QString &marker);
    // "１　工事名称" and its value: an item of the 記 list.
    void item(int row, const QString &number, const QString &caption, const QString &marker);
    void recordMark(int row);  // 記
    void closing(int row);     // 以上
    // A line left for handwriting after its caption.
    void blankLine(int row, int indent, const QString &caption);

private:
    SheetBuilder &m_sheet;
};

}  // namespace templates
