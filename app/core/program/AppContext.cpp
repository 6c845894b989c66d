#include "AppContext.h"

CurrentProject &AppContext::Project()
{
    static CurrentProject project;
    return project;
}

AppContext &AppContext::instance()
{
    static AppContext context;
    return context;
}
