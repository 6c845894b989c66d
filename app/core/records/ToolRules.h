#pragma once

#include "EquipmentRules.h"

#include <QStringList>
#include <QVariant>

// 持込工具使用届, a set of up to ten power tools brought onto the site with their
// inspection sheet (KOUGU). A new set names the contractor's representative and
// telephone and has every inspection row unticked for all ten tools. The first tool's
// name and the company bringing the tools in are required. Tool n is known on site by
// the set's acceptance number followed by n in two digits.
class ToolRules : public EquipmentRules
{
public:
    static constexpr int ToolCount = 10;

    explicit ToolRules(const RecordContext &context);

    QString FocusOnNewRecord() const override { return QStringLiteral("KKNM1"); }
    QList<PostCheck> PostChecks() const override;

    // The inspection rows holding one character "0" or "1" per tool.
    static QStringList CheckColumns();
    // 受理No. of tool `tool` (1 to 10) of the set with acceptance number `jyuno`: "1203"
    // for tool 3 of number 12; empty while the set has no number.
    static QString ToolAcceptanceNumber(const QVariant &jyuno, int tool);

protected:
    void EquipmentDefaults(DataSet &record) override;
};
