#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// Every failure of the database layer. what()/message() carry the database engine's own
// text unchanged (callers look for words such as "UNIQUE" in it and show it to the user
// as it stands); gdsCode() is the engine's primary error number, 0 for failures that
// this layer detects itself (an unknown field name, a statement that is not open).
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message, long gdsCode = 0);

    QString message() const;
    long gdsCode() const { return m_gdsCode; }

private:
    long m_gdsCode;
};

}  // namespace db
