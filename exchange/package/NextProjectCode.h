#pragma once

#include <QString>

namespace db {
class Transaction;
}

namespace sorvik::package {

// The code a new project gets: the largest KJCD in use plus one (1 in an empty database).
QString nextProjectCode(db::Transaction &transaction);

}  // namespace sorvik::package
