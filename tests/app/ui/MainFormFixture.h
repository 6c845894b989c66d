#pragma once

#include "../core/SiteSql.h"
#include "AppContext.h"
#include "DataModule1.h"
#include "ScriptedMainFormWindows.h"
#include "TMainForm.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "messages/ScriptedMessageService.h"
#include "schema/SchemaBuilder.h"
#include "UiTestApplication.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A program folder with its configuration, a new database and scripted windows and
// message boxes; the main window is opened by the test when its setup is complete.
class MainFormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTestApplication();
        AppContext &context = AppContext::instance();
        context = AppContext();
        context.AppDir = dir.path() + QLatin1Char('/');
        context.ImageRoot = context.AppDir;
        QDir().mkpath(context.ImageRoot + QStringLiteral("image"));
        ini = std::make_unique<IniFile>(context.AppDir + QStringLiteral("sorvik.ini"));
        context.IniFile = ini.get();
        Config::write(*ini, Config::CompanyName, QStringLiteral("北辰建設"));
        Config::write(*ini, Config::Debug, true);
        CreateSorvikDatabase(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.setDatabaseName(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.open();
        data.IBTransaction1.start();
    }

    void TearDown() override
    {
        form.reset();
        AppContext::instance() = AppContext();
    }

    void open() { form = std::make_unique<TMainForm>(data, windows); }

    void execute(const QStringList &statements) { ExecuteCommitted(data.IBTransaction1, statements); }

    QStringList column(const QString &sql) { return ColumnValues(data.IBTransaction1, sql); }

    // A project with `contractors` registered contractors and no construction system.
    void addProject(int code, const QString &name, int contractors)
    {
        execute({QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values(%1, '2026/04/01', '%2',"
                                " '2026/04/01', '2027/03/19')")
                     .arg(code)
                     .arg(name)});
        for (int gyo = 1; gyo <= contractors; ++gyo) {
            execute(
                {QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values(%1, %2, '2026/04/01', '業者%2')")
                     .arg(code)
                     .arg(gyo)});
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<IniFile> ini;
    TDataModule1 data;
    ScriptedMessageService messages;
    ScriptedMainFormWindows windows;
    std::unique_ptr<TMainForm> form;
};
