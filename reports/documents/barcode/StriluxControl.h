#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct IStriluxCtrl;

namespace sorvik::documents {

struct StriluxModule;

// The Strilux barcode control as the program hosts it (StriluxCtrl1): an instance created
// through the library's class factory and used only through its component interface.
// Property puts never fail; what the control refused is read from errorNumber(), as the
// control reports it.
class StriluxControl
{
public:
    StriluxControl(std::shared_ptr<const StriluxModule> module, IStriluxCtrl *control);
    ~StriluxControl();
    StriluxControl(const StriluxControl &) = delete;
    StriluxControl &operator=(const StriluxControl &) = delete;

    void putType(int type);
    void putCheckChar(int checkChar);
    void putBarWidth(double width);
    void putBarHeight(double height);
    void putCharHeight(double height);

    // The GetEnhMetaFile picture of `value` as enhanced-metafile bytes; the picture object
    // is released at once. Empty when the control refused the value (see errorNumber()).
    QByteArray enhMetaFile(const QString &value);

    int errorNumber() const;
    QString errorMessage() const;

    static constexpr int tpCode39 = 9;
    static constexpr int ccNo = 1;

private:
    std::shared_ptr<const StriluxModule> m_module;
    IStriluxCtrl *m_control;
};

}  // namespace sorvik::documents
