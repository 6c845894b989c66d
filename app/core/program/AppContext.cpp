#include "AppContext.h"

AppContext &AppContext::instance()
{
    static AppContext context;
    return context;
}
