#pragma once

#include "Error.h"

#include <chrono>

namespace db {

// Opening or creating a database did not finish within the connection's time limit. The
// message names the database and what to look at: the server for a server database, the
// engine's lock folder (another process of this user that hangs) for a local file.
class ConnectTimeout : public Error
{
public:
    ConnectTimeout(const QString &databaseName, std::chrono::milliseconds waited);
};

}  // namespace db
