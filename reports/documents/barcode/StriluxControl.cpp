#include "StriluxControl.h"

#include "StriluxModule.h"

namespace sorvik::documents {

StriluxControl::StriluxControl(std::shared_ptr<const StriluxModule> module, IStriluxCtrl *control)
    : m_module(std::move(module))
    , m_control(control)
{
}

StriluxControl::~StriluxControl()
{
    m_control->Release();
}

void StriluxControl::putType(int type)
{
    m_control->put_Type(type);
}

void StriluxControl::putCheckChar(int checkChar)
{
    m_control->put_CheckChar(checkChar);
}

void StriluxControl::putBarWidth(double width)
{
    m_control->put_BarWidth(width);
}

void StriluxControl::putBarHeight(double height)
{
    m_control->put_BarHeight(height);
}

void StriluxControl::putCharHeight(double height)
{
    m_control->put_CharHeight(height);
}

QByteArray StriluxControl::enhMetaFile(const QString &value)
{
    IStxPicture *picture = nullptr;
    if (m_control->get_GetEnhMetaFile(value.toUtf8().constData(), &picture) != STX_S_OK || !picture)
        return {};
    QByteArray bytes;
    std::int32_t length = 0;
    if (errorNumber() == 0 && picture->GetEmfBytes(nullptr, 0, &length) == STX_S_OK && length > 0) {
        bytes.resize(length);
        if (picture->GetEmfBytes(reinterpret_cast<std::uint8_t *>(bytes.data()), length, &length) != STX_S_OK)
            bytes.clear();
    }
    picture->Release();
    return bytes;
}

int StriluxControl::errorNumber() const
{
    std::int32_t number = 0;
    m_control->get_ErrorNumber(&number);
    return number;
}

QString StriluxControl::errorMessage() const
{
    char *text = nullptr;
    if (m_control->get_ErrorMessage(&text) != STX_S_OK || !text)
        return {};
    const QString message = QString::fromUtf8(text);
    m_module->freeString(text);
    return message;
}

}  // namespace sorvik::documents
