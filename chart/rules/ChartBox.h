#pragma once

#include <QDate>
#include <QString>

// What one box of an organisation chart holds: the contractor's particulars as of the
// chart's date, its place in the tree and its look. Particulars come from GYOSYA; the tree
// and the look are kept with the chart version in TAIKEI.
struct ChartBox
{
    QString ContractorCode;      // GYOCD
    QString CompanyName;         // CPNM
    QString WorkContent;         // KJNM
    QString SafetyManager;       // ANNM
    QString ChiefEngineer;       // SNNM1
    QString SpecialistEngineer;  // GJNM1
    QString SpecialistWork;      // GJKJ1
    QDate StartDate;             // STDT; invalid when there is none
    QDate EndDate;               // FNDT
    int ParentCode = 0;          // the parent box's GYOCD; 0 for the prime contractor
    int Tier = 0;                // 0 for the prime contractor, the parent's tier + 1 below
    int FrameStyle = 0;          // 0..5, see ChartFrameStyles
    QString BoxColor;            // a colour identifier ("clRed"); empty for none

    // The prime contractor is the one box without a parent contractor.
    bool IsPrime() const { return ParentCode == 0; }

    friend bool operator==(const ChartBox &, const ChartBox &) = default;
};
