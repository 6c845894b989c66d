#pragma once

#include <QString>

namespace celvane {

// An entry of a package part's relationship list.
struct Relationship
{
    QString id;
    QString type;
    QString target;
    bool external = false;
};

}  // namespace celvane
