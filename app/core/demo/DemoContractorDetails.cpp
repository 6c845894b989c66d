#include "DemoContractorDetails.h"

#include "db/Query.h"
#include "db/Transaction.h"

#include <QStringList>
#include <QVariant>

namespace {

struct Details
{
    int code;
    int orderer;  // the contractor that placed the order; 0 for the prime
    const char *fax;
    const char *promoter;
    const char *trade;
    const char *authority;
    const char *kind;
    const char *permitSign;
    const char *permitNumber;
    const char *permitDate;
    const char *rating;
    const char *mutualAidNumber;
    const char *engineerNumber;
    const char *engineerBorn;
    const char *engineerHired;
    int amount;  // thousand yen; 0 for the prime
};

const Details roadDetails[] = {
    {1, 0, "011-231-5501", "", "土木", "大臣", "特定", "国土交通大臣", "002871", "2023/06/12", "A", "",
     "第 01234567 号", "1974/05/18", "1997/04/01", 0},
    {2, 1, "011-581-2212", "丸山 美和", "土木", "知事", "一般", "石狩", "07415", "2022/11/01", "B", "01-203-1148",
     "第 00487211 号", "1983/09/02", "2006/04/01", 86400},
    {3, 1, "011-663-7421", "西田 由紀", "舗装", "知事", "特定", "石狩", "05522", "2024/02/20", "A", "01-203-0931",
     "第 00391722 号", "1979/12/11", "2001/10/01", 64800},
    {4, 2, "0133-64-1181", "石川 陽子", "とび・土工", "知事", "一般", "石狩", "08106", "2021/08/30", "C", "01-207-2215",
     "第 00615408 号", "1988/03/27", "2010/04/01", 21600},
    {5, 2, "0123-27-3342", "千葉 恵", "鉄筋", "知事", "一般", "石狩", "09327", "2023/03/15", "C", "01-209-0457",
     "第 00702961 号", "1976/07/09", "1995/04/01", 12960},
    {6, 4, "011-387-0916", "北斗 千尋", "とび・土工", "知事", "一般", "石狩", "10248", "2020/05/25", "D", "01-212-0388",
     "第 00822015 号", "1990/01/14", "2012/04/01", 9720},
    {7, 3, "011-781-6651", "藤田 沙織", "塗装", "知事", "一般", "石狩", "06613", "2022/07/11", "C", "01-201-4471",
     "第 00550126 号", "1985/10/21", "2008/04/01", 4320},
    {8, 1, "011-811-4073", "森 香織", "電気", "知事", "一般", "石狩", "04496", "2024/09/03", "B", "01-201-5502",
     "第 00318840 号", "1981/04/30", "2003/04/01", 15120},
};

QVariant text(const char *value)
{
    return *value ? QVariant(QString::fromUtf8(value)) : QVariant();
}

// The contract partner: the ordering contractor's name and address from its first
// version, or the project's orderer for the prime.
QPair<QVariant, QVariant> partner(db::Transaction &transaction, int orderer)
{
    db::Query read(transaction);
    read.setSql(orderer == 0
                    ? QStringLiteral("Select ODNM, ODADD from KOJI where KJCD = 1 order by APDT")
                    : QStringLiteral("Select CPNM, ADRS from GYOSYA where KJCD = 1 and GYOCD = ? order by APDT"));
    if (orderer != 0)
        read.setParam(0, orderer);
    read.open();
    const QPair<QVariant, QVariant> result{read.field(0).asString(), read.field(1).asString()};
    read.close();
    return result;
}

void writeDetails(db::Transaction &transaction, const Details &d)
{
    const bool prime = d.orderer == 0;
    const QPair<QVariant, QVariant> orderedBy = partner(transaction, d.orderer);
    const QStringList columns{"FAX",       "KTNM",    "KTKG",       "KTIK",   "ASNM",       "KKNM",    "TEIS",
                              "KYCOM",     "KYADD",   "SGDT",       "KYGY1",  "KYAREA1",    "KYTYPE1", "KYKIGO1",
                              "KYNUM1",    "KYDT1",   "SNNO1",      "SNDT1",  "SNKYDT1",    "LANK2",   "KTKDT",
                              "KTKNO",     "KENPONO", "NENKINNO",   "KOYONO", "UKSAL",      "UKKJNY",  "MAEPER",
                              "MAEMNYPER", "MAEPN",   "HARFMNYPER", "HARFPN", "CMPLMNYPER", "CMPLPN"};
    const QVariant none;
    const QList<QVariant> values{
        text(d.fax),
        prime ? none : QVariant(QStringLiteral("高橋 誠")),
        prime ? none : QVariant(QStringLiteral("契約による")),
        prime ? none : QVariant(QStringLiteral("書面による")),
        text(d.promoter),
        text(d.promoter),
        prime ? none : QVariant(QStringLiteral("北辰建設株式会社 札幌支店 工務課 伊藤 美咲")),
        orderedBy.first,
        orderedBy.second,
        QStringLiteral("2026/03/%1").arg(24 + d.code % 5),
        text(d.trade),
        text(d.authority),
        text(d.kind),
        text(d.permitSign),
        text(d.permitNumber),
        text(d.permitDate),
        text(d.engineerNumber),
        text(d.engineerBorn),
        text(d.engineerHired),
        text(d.rating),
        prime ? none : QVariant(QStringLiteral("2008/04/01")),
        text(d.mutualAidNumber),
        QStringLiteral("01-%1-%2").arg(120 + d.code).arg(4410 + d.code * 37),
        QStringLiteral("%1-%2").arg(3100 + d.code).arg(870512 + d.code * 113),
        QStringLiteral("0107-%1-%2").arg(548120 + d.code * 7).arg(d.code % 10),
        prime ? none : QVariant(d.amount),
        prime ? none : QVariant(QStringLiteral("現場作業に係る施工一式")),
        prime ? none : QVariant(30),
        prime ? none : QVariant(100),
        prime ? none : QVariant(0),
        prime ? none : QVariant(100),
        prime ? none : QVariant(0),
        prime ? none : QVariant(60),
        prime ? none : QVariant(90),
    };
    QStringList assignments;
    for (const QString &column : columns)
        assignments << column + QStringLiteral(" = ?");
    db::Query write(transaction);
    write.setSql(QStringLiteral("Update GYOSYA set %1 where KJCD = 1 and GYOCD = ?").arg(assignments.join(", ")));
    for (int i = 0; i < values.size(); ++i)
        write.setParam(i, values[i]);
    write.setParam(values.size(), d.code);
    write.exec();
}

// The earth-works and paving companies name a specialist engineer for their own trade.
void writeSpecialists(db::Transaction &transaction)
{
    db::Query write(transaction);
    write.setSql(QStringLiteral("Update GYOSYA set GJNM1 = ?, GJSI1 = ?, GJKJ1 = ? where KJCD = 1 and GYOCD = ?"));
    const struct
    {
        int code;
        const char *name, *qualification, *work;
    } specialists[]
        = {{2, "丸山 健太", "2級土木施工管理技士", "排水構造物工"}, {3, "西田 隆", "1級舗装施工管理技術者", "舗装工"}};
    for (const auto &s : specialists) {
        write.setParam(0, QString::fromUtf8(s.name));
        write.setParam(1, QString::fromUtf8(s.qualification));
        write.setParam(2, QString::fromUtf8(s.work));
        write.setParam(3, s.code);
        write.exec();
    }
}

}  // namespace

void WriteDemoContractorDetails(db::Transaction &transaction)
{
    for (const Details &d : roadDetails)
        writeDetails(transaction, d);
    writeSpecialists(transaction);
}
