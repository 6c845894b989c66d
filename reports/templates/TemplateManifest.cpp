#include "TemplateManifest.h"

namespace sorvik::reports {

namespace {

// "NAME FURI" -> {"**NAME", "**FURI"}: the lists below read as the forms do.
QStringList markers(const char *names)
{
    QStringList list;
    for (const QString &name : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts))
        list << QStringLiteral("**") + name;
    return list;
}

// A permit row is three cells (trade, number, date) under one slot number.
QStringList permits(const char *numbers)
{
    QStringList list;
    for (const QString &slot : QString::fromLatin1(numbers).split(u' ', Qt::SkipEmptyParts))
        list << QStringLiteral("**KYGY") + slot << QStringLiteral("**KYNUM") + slot << QStringLiteral("**KYDT") + slot;
    return list;
}

// The worker's own cells, shared by the roster row and the worker card.
const char *const kWorkerCells = "NAME FURI SHOKUSHU KOME KOYMD KEINEN BNDT OLD ADD FAMADD KSYMD PRS BRTYP TKYMD TKTYP "
                                 "TKLN GNLN MKLN INDT UKDT";

// The subcontractor section of the ledger, the notice and the regional ledger pages.
QStringList subcontractorCells()
{
    return markers("CPNM1 PSNM1 POST1 ADD1 TEL1 KJNY1 STDT1 FNDT1 SGDT1") + permits("11 21")
        + markers("GBNM1 GBKG1 GBIK1 SNSE11 SNNM11 SNSK11 ANNM1 ASNM1 KKNM1 GJNM11 GJSI11 GJKJ11 GJNM21 GJSI21 GJKJ21");
}

// The header every equipment notification writes.
const char *const kEquipmentHeader = "MKYMD JIGYONM SHOTYONM CMP1NM ";

std::vector<TemplateWorkbook> build()
{
    QStringList chiefEngineers;
    for (int n = 1; n <= 4; ++n)
        for (const char *column : {"KSNM", "SNSE", "SNNM", "SNSK", "SNKYDT"})
            chiefEngineers << QStringLiteral("**") + QLatin1String(column) + QString::number(n) + u'0';
    QStringList toolChecks;
    for (int item = 1; item <= 18; ++item)
        toolChecks << QStringLiteral("**CHK%1").arg(item, 2, 10, QLatin1Char('0'));
    for (int item = 21; item <= 26; ++item)
        toolChecks << QStringLiteral("**CHKNM%1").arg(item) << QStringLiteral("**CHK%1").arg(item);

    return {
        {QStringLiteral("sagyoinmeibo.xls"),
         {{QStringLiteral("作業員名簿"), 0,
           markers("MKYMD JIGYONM SHOTYONM 1UCPMNM UNUM CMPNM REM1 REM2 REM3 REM4 NUM") + markers(kWorkerCells)}}},
        {QStringLiteral("sagyoincard.xls"),
         {{QStringLiteral("作業員票"), 98,
           markers("CMPNM CMPTEL KYONO BACD PHOTO") + markers(kWorkerCells) + markers("SKNM SKNO SKDT YKDT GAZ")}}},
        {QStringLiteral("sekoudaityo.xls"),
         {{QStringLiteral("施工体制台帳"), 63,
           markers("PRDT KJNM KJNY ODNM ODPOST ODADD STDT FNDT SGDT MTNM MTAD STNM STAD SKNM SNNM KTNM KG IK CPNM0 "
                   "JGNM0")
               + permits("10 20 30 40 50 60") + markers("KSNM10 GJNM20 GJSI20 GJKJ20") + subcontractorCells()}}},
        {QStringLiteral("saisita.xls"),
         {{QStringLiteral("再下請負通知書"), 61,
           markers("PRDT KJNM CPNM_M CPNM_U GBNM_U CPNM0 PSNM0 POST0 ADD0 TEL0 FAX0 KJNY STDT0 FNDT0 SGDT0")
               + permits("10 20")
               + markers("ANNM0 ASNM0 KKNM0 KTNM0 KTKG0 KTIK0 GBNM0 GBKG0 GBIK0 SNSE10 SNNM10 SNSK10 GJNM10 GJSI10 "
                         "GJKJ10")
               + subcontractorCells()}}},
        {QStringLiteral("dodaityo3.xls"),
         {{QStringLiteral("別記第１号様式"), 24, markers("PRDT KJNM MTAD MTNM GBNM0")},
          {QStringLiteral("施工体制台帳１"), 73,
           markers("PRDT KJNM KJNY ODNM ODPOST ODADD STDT FNDT SGDT MTNM MTAD STNM STAD SKNM SNNM KTNM KG IK CPNM0 "
                   "JGNM0")
               + permits("10 20 30 40 50 60") + markers("KTNM0 KTKG0 KTIK0 GBNM0 GBKG0 GBIK0") + chiefEngineers
               + markers("GJNM10 GJSI10 GJKJ10 GJNM20 GJSI20 GJKJ20")},
          {QStringLiteral("別記第２号様式"), 25, markers("PRDT KJNM CPNM1 ADD1 PSNM1")},
          {QStringLiteral("施工体制台帳２"), 62, markers("KJNM") + subcontractorCells()},
          {QStringLiteral("施工体制台帳３"), 58,
           markers("KJNM ODCMPNM UNUM CPNM1 PSNM1 POST1 ADD1 TEL1 KJNY1 STDT1 FNDT1 SGDT1") + permits("11 21")
               + markers("LANK2 KTKDT KTKNO KENPONO NENKINNO KOYONO SALSUM KJNY MAEPER MAEMNYPER MAEPN HARFMNYPER "
                         "HARFPN CMPLMNYPER CMPLPN")}}},
        {QStringLiteral("gijutsutaikei.xls"),
         {{QStringLiteral("技術者体系図"), 58, markers("PRDT KJNM0 CPNM0 KRNM0 SNDT0 SDFILE0 CPNM SNNM SNDT SDFILE")}}},
        {QStringLiteral("carry.xls"),
         {{QStringLiteral("工事車両届"), 0,
           markers(kEquipmentHeader)
               + markers("USECMPNM USEUNUM DAIRI USRNM AZNM STDT CARNO CATTYP LICST OPNM OPBNDT OPADD OPLIC OPLICNO "
                         "DV1CMP DV1NO DV1ST DV2CMP DV2NO DV2ST DV2M1 DV2M2 DV2M3 ROOT")}}},
        {QStringLiteral("kikai.xls"),
         {{QStringLiteral("持込機械届"), 110,
           markers(kEquipmentHeader)
               + markers(
                   "JYUNO LBLSTDT HNDOWCMPNM HNDUNUM HNDPRE HNDTEL USECMPNM USEPRE OWNCMP OWNPRE KKNM KKMK KKSPEC "
                   "MDYMD KNRNO STDT FNDT USNM ISRS DRV1 DRV1LS DRV2 DRV2LS TES1YMD TES2YMD TES3YMD TES4YMD "
                   "TES5YMD DV1 DV2 DV3 DV4TYP DV4 DVYMD CAUTION CHKA CHKB CHKC CHKD CHKE CHKF CHKG CHKH CHKCMT "
                   "CHKYMD1 CHKYMD2 CHKER1 CHKER2")}}},
        {QStringLiteral("kougu.xls"),
         {{QStringLiteral("持込工具届"), 91,
           markers(kEquipmentHeader)
               + markers("HNDOWCMPNM HNDUNUM HNDPRE HNDTEL KKNM SPEC SENO KNRNO JYUNO STDT FNDT CHKRNM USERNM CAUTION "
                         "LBLSTDT CHKYMD")
               + toolChecks}}},
        {QStringLiteral("sagyosiji.xls"),
         {{QStringLiteral("作業指示書"), 0, markers("MKYMD CPNM GBNM")},
          {QStringLiteral("安全ミーティング"), 0, markers("MKYMD CPNM GBNM")},
          {QStringLiteral("教育実施"), 0, markers("MKYMD JIGYONM SHOTYONM CPNM GBNM")}}},
        {QStringLiteral("sikakulist.xls"),
         {{QStringLiteral("取得資格一覧"), 0, markers("PRDT CPNM NAME SKNM PRNM KBN SKNO SKDT")}}},
        {QStringLiteral("sikakunames.xls"),
         {{QStringLiteral("資格者氏名一覧"), 0, markers("PRDT KJNM SKNM CPNM NAME SKNO SKDT")}}},
        {QStringLiteral("tenken.xls"),
         {{QStringLiteral("足場定期"), 0, markers("JIGYONM BASHO")},
          {QStringLiteral("足場始業前"), 0, markers("JIGYONM BASHO")},
          {QStringLiteral("機械定期"), 0, markers("JIGYONM KKNM JYUNO")},
          {QStringLiteral("機械始業前"), 0, markers("JIGYONM KKNM JYUNO")}}},
        {QStringLiteral("sonota.xls"),
         {{QStringLiteral("工事の通知"), 0, markers("PRDT KJNM HTYNM MOTONM JGNM GBNM GBKG GBIK TEIS")}}},
    };
}

}  // namespace

QString TemplateWorkbook::storedFileName() const
{
    return fileName + u'x';
}

const TemplateSheet *TemplateWorkbook::sheet(QStringView name) const
{
    for (const TemplateSheet &candidate : sheets)
        if (candidate.name == name)
            return &candidate;
    return nullptr;
}

const std::vector<TemplateWorkbook> &TemplateManifest::workbooks()
{
    static const std::vector<TemplateWorkbook> all = build();
    return all;
}

const TemplateWorkbook *TemplateManifest::workbook(QStringView fileName)
{
    QStringView name = fileName;
    if (name.endsWith(u".xlsx", Qt::CaseInsensitive))
        name.chop(1);
    for (const TemplateWorkbook &book : workbooks())
        if (name.compare(book.fileName, Qt::CaseInsensitive) == 0)
            return &book;
    return nullptr;
}

const TemplateSheet *TemplateManifest::sheet(QStringView fileName, QStringView sheetName)
{
    const TemplateWorkbook *book = workbook(fileName);
    return book ? book->sheet(sheetName) : nullptr;
}

}  // namespace sorvik::reports
