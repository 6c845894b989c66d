#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Transaction;
}

// The checks a report window runs before it is shown, with the messages it then shows.
namespace sorvik::documents::PrintChecks {

inline const QString NoContractors
    = QStringLiteral("この工事に登録した業者情報が有りません。\n\r先に施工体制に業者を登録して下さい。");
inline const QString NoQualifications = QStringLiteral(
    "この工事に登録した資格者情報が有りませんでした。\n\r資格者情報は作業員名簿画面で登録して下さい。");

// The codes of the project's contractors that have qualifications, in code order.
QStringList QualifiedContractors(db::Transaction &transaction, const QString &kojiCode);
// The names of the qualifications held in the project, in name order.
QStringList QualificationNames(db::Transaction &transaction, const QString &kojiCode);

}  // namespace sorvik::documents::PrintChecks
