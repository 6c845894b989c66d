#pragma once

#include <QRect>

namespace celvane {

class Celvane;

// Shows or prints a finished document. The engine itself has no windows; the program
// installs the handler of the preview library, tests install their own.
class CelvaneOutputHandler
{
public:
    virtual ~CelvaneOutputHandler() = default;
    virtual void preview(Celvane &engine, const QRect &area) = 0;
    virtual void print(Celvane &engine) = 0;
};

}  // namespace celvane
