#include "DocumentValues.h"

#include "dates/DateText.h"
#include "dates/EraCalendar.h"
#include "program/DataModule1.h"

namespace sorvik::documents::DocumentValues {

namespace {

constexpr int kManager = 1;  // GetPrimeContractorItem kinds
constexpr int kOffice = 2;

QString primeContractorItem(TDataModule1 &data, int kind, const QString &kojiCode, const QDate &date)
{
    QString value;
    data.GetPrimeContractorItem(kind, DateToDateText(date), kojiCode, value);
    return value;
}

QString storedEra(const QString &storedDate, QString (*format)(const QString &))
{
    if (storedDate.isEmpty())
        return {};
    if (!IsDateText(storedDate))
        return storedDate;
    return format(storedDate);
}

}  // namespace

QString CreationDate(const QDate &date, const QString &picture, const QString &blankPicture)
{
    return date.isValid() ? EraCalendar::format(date, picture) : blankPicture;
}

QString EraShort(const QString &storedDate)
{
    return storedEra(storedDate, &DateTextToEraShort);
}

QString EraLong(const QString &storedDate)
{
    return storedEra(storedDate, &DateTextToEraLong);
}

QString EraSpaced(const QString &storedDate)
{
    return storedEra(storedDate, &DateTextToEraSpaced);
}

QString SiteOffice(TDataModule1 &data, const QString &kojiCode, const QDate &date)
{
    return primeContractorItem(data, kOffice, kojiCode, date);
}

QString SiteManager(TDataModule1 &data, const QString &kojiCode, const QDate &date)
{
    const QString name = primeContractorItem(data, kManager, kojiCode, date);
    return name.isEmpty() ? QString() : name + QStringLiteral("　殿");
}

}  // namespace sorvik::documents::DocumentValues
