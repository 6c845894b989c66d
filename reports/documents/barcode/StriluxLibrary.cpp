#include "StriluxLibrary.h"

#include "StriluxControl.h"
#include "StriluxModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <dlfcn.h>

namespace sorvik::documents {

namespace {

const QString kLibraryName = QStringLiteral("libstrilux.so");

QString hex(StxResult result)
{
    return QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

// Loaded modules by path, kept for the rest of the run.
std::shared_ptr<const StriluxModule> loadModule(const QString &path, QString &problem)
{
    static QHash<QString, std::shared_ptr<const StriluxModule>> loaded;
    if (const auto found = loaded.constFind(path); found != loaded.constEnd())
        return *found;
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        problem = QStringLiteral("バーコードライブラリ「%1」を読み込めません（%2）")
                      .arg(path, QString::fromLocal8Bit(dlerror()));
        return nullptr;
    }
    auto module = std::make_shared<StriluxModule>();
    module->handle = handle;
    module->getClassObject = reinterpret_cast<StriluxModule::GetClassObject>(dlsym(handle, "DllGetClassObject"));
    module->freeString = reinterpret_cast<StriluxModule::FreeString>(dlsym(handle, "StxFreeString"));
    if (!module->getClassObject || !module->freeString) {
        dlclose(handle);
        problem
            = QStringLiteral("「%1」はバーコードライブラリではありません（DllGetClassObject がありません）").arg(path);
        return nullptr;
    }
    loaded.insert(path, module);
    return module;
}

}  // namespace

QString StriluxLibrary::defaultPath()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {programFolder.filePath(QStringLiteral("../lib/") + kLibraryName), programFolder.filePath(kLibraryName)}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return kLibraryName;
}

std::unique_ptr<StriluxControl> StriluxLibrary::createControl(const QString &path, QString &problem)
{
    const std::shared_ptr<const StriluxModule> module = loadModule(path, problem);
    if (!module)
        return nullptr;
    IStxClassFactory *factory = nullptr;
    StxResult result
        = module->getClassObject(&CLSID_StriluxCtrl, &IID_IClassFactory, reinterpret_cast<void **>(&factory));
    if (result != STX_S_OK || !factory) {
        problem = QStringLiteral("バーコード部品のクラスを得られません（%1）").arg(hex(result));
        return nullptr;
    }
    IStriluxCtrl *control = nullptr;
    result = factory->CreateInstance(nullptr, IID_IStriluxCtrl, reinterpret_cast<void **>(&control));
    factory->Release();
    if (result != STX_S_OK || !control) {
        problem = QStringLiteral("バーコード部品を作成できません（%1）").arg(hex(result));
        return nullptr;
    }
    return std::make_unique<StriluxControl>(module, control);
}

}  // namespace sorvik::documents
