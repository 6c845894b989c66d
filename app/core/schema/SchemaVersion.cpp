#include "SchemaVersion.h"

#include "GyosyaUpgrade.h"
#include "db/Database.h"

QString SchemaVersionText(SchemaVersion version)
{
    switch (version) {
    case SchemaVersion::V0_4:
        return QStringLiteral("0.4");
    case SchemaVersion::V0_4_6:
        return QStringLiteral("0.4.6");
    case SchemaVersion::V0_5:
        return QStringLiteral("0.5");
    case SchemaVersion::Unknown:
        break;
    }
    return {};
}

SchemaVersion SchemaVersionFromText(const QString &text)
{
    for (SchemaVersion version : {SchemaVersion::V0_4, SchemaVersion::V0_4_6, SchemaVersion::V0_5}) {
        if (SchemaVersionText(version) == text)
            return version;
    }
    return SchemaVersion::Unknown;
}

SchemaVersion DetectSchemaVersion(db::Database &database)
{
    const QStringList tables = database.tableNames();
    if (!tables.contains(QLatin1String("KOJI"), Qt::CaseInsensitive)
        || !tables.contains(QLatin1String("GYOSYA"), Qt::CaseInsensitive))
        return SchemaVersion::Unknown;
    if (!tables.contains(QLatin1String("CARRY"), Qt::CaseInsensitive))
        return SchemaVersion::V0_4;
    if (!database.fieldNames(QStringLiteral("GYOSYA"))
             .contains(QLatin1String(UpgradeMarkerColumn), Qt::CaseInsensitive))
        return SchemaVersion::V0_4_6;
    return SchemaVersion::V0_5;
}
