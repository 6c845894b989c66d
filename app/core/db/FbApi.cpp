#include "FbApi.h"

#include <QStringList>

namespace db::fb {

Firebird::IMaster *master()
{
    static Firebird::IMaster *const instance = Firebird::fb_get_master_interface();
    return instance;
}

Firebird::IUtil *util()
{
    return master()->getUtilInterface();
}

Firebird::IProvider *provider()
{
    static Firebird::IProvider *const instance = master()->getDispatcher();
    return instance;
}

Status::Status()
    : Firebird::ThrowStatusWrapper(master()->getStatus())
{
}

Status::~Status()
{
    dispose();
}

Error toError(const Firebird::FbException &failure)
{
    Firebird::IStatus *status = failure.getStatus();
    char buffer[4096];
    const unsigned length = util()->formatStatus(buffer, sizeof buffer - 1, status);
    buffer[qMin<unsigned>(length, sizeof buffer - 1)] = '\0';
    long gdsCode = 0;
    const intptr_t *errors = status->getErrors();
    if (errors && errors[0] == isc_arg_gds)
        gdsCode = long(errors[1]);
    return Error(QString::fromUtf8(buffer).trimmed(), gdsCode);
}

QByteArray toEngineText(const QString &text)
{
    return text.toUtf8();
}

}  // namespace db::fb
