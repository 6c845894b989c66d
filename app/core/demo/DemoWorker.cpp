#include "DemoWorker.h"

#include "DemoRowWriter.h"
#include "dates/DateText.h"

#include <QDate>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

int ageOn(const QDate &birth, const QDate &day)
{
    int age = day.year() - birth.year();
    if (day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day()))
        --age;
    return age;
}

QString abbreviations(const DemoWorker &w, int kind)
{
    QStringList list;
    for (const DemoQualification &q : w.qualifications) {
        if (q.kind == kind)
            list << u(q.abbreviation);
    }
    return list.join(QLatin1Char(','));
}

}  // namespace

void WriteDemoWorker(DemoRowWriter &writer, const DemoWorker &w, int code)
{
    const QDate today = QDate::currentDate();
    const QDate birth = DateTextToDate(u(w.birth));
    const int age = ageOn(birth, today);
    writer.insert("SAGYOIN",
                  {{"APDT", u("2026/04/20")},
                   {"CPNM", u(w.company)},
                   {"NAME", u(w.name)},
                   {"FURI", u(w.reading)},
                   {"BNDT", u(w.birth)},
                   {"TYP", u(w.jobs)},
                   {"KIGO", u(w.marks)},
                   {"KYDT", u(w.hired)},
                   {"ADRS", u(w.address)},
                   {"TEL", u(w.tel)},
                   {"FAMADD", u(w.address)},
                   {"FAMTEL", u(w.tel)},
                   {"KKDT", u("2026/04/10")},
                   {"BRED", u(w.blood)},
                   {"BRRH", u("+")},
                   {"INDT", u("2026/05/07")},
                   {"UKDT", u("2026/05/07")},
                   {"MENKYO", abbreviations(w, 1)},
                   {"GINOKYO", abbreviations(w, 2)},
                   {"TOKUKYO", abbreviations(w, 3)},
                   {"CRDT", u("2026/04/20")},
                   {"EDDT", u("2026/04/20")}},
                  {{"KJCD", 1},
                   {"GYOCD", w.contractor},
                   {"INCD", code},
                   {"ODRNO", code},
                   {"FMLE", w.female ? 1 : 0},
                   {"YNG", age < 18 ? 1 : 0},
                   {"ADVA", age >= 65 ? 1 : 0},
                   {"KKNUM", w.experience},
                   {"OLD", age},
                   {"PRESL", w.pressureLow},
                   {"PRESU", w.pressureHigh},
                   {"SEL", 1}});
    for (const DemoQualification &q : w.qualifications) {
        writer.insert("INSIKAKU",
                      {{"CPNM", u(w.company)},
                       {"NAME", u(w.name)},
                       {"BNDT", u(w.birth)},
                       {"PRNM", u(q.abbreviation)},
                       {"SKNM", u(q.name)},
                       {"SKNO", u(q.number)},
                       {"SKDT", u(q.issued)}},
                      {{"INNO", 0}, {"KJCD", 1}, {"GYOCD", w.contractor}, {"INCD", code}, {"KBN", q.kind}});
    }
}
