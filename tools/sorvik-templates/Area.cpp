#include "Area.h"

#include <stdexcept>

namespace templates {

Area::Area(const char *address)
{
    if (!CellRange::parse(QString::fromLatin1(address), *this))
        throw std::invalid_argument(std::string("not a cell address: ") + address);
}

}  // namespace templates
