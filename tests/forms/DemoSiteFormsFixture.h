#pragma once

#include "../app/core/SiteSql.h"
#include "AppContext.h"
#include "DataModule1.h"
#include "ModalService.h"
#include "config/IniFile.h"
#include "demo/DemoSite.h"
#include "messages/ScriptedMessageService.h"
#include "schema/SchemaBuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The demo site in a new database behind a data module of its own, with a program
// folder, scripted message boxes and scripted modal windows.
class DemoSiteFormsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppContext &context = AppContext::instance();
        context = AppContext();
        context.AppDir = dir.path() + QLatin1Char('/');
        context.ImageRoot = context.AppDir;
        QDir().mkpath(context.ImageRoot + QStringLiteral("image"));
        ini = std::make_unique<IniFile>(context.AppDir + QStringLiteral("sorvik.ini"));
        context.IniFile = ini.get();
        CreateSorvikDatabase(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.setDatabaseName(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.open();
        data.IBTransaction1.start();
        FillDemoSite(data.IBTransaction1);
    }

    void TearDown() override { AppContext::instance() = AppContext(); }

    QStringList column(const QString &sql) { return ColumnValues(data.IBTransaction1, sql); }

    QTemporaryDir dir;
    std::unique_ptr<IniFile> ini;
    TDataModule1 data;
    ScriptedMessageService messages;
    ScriptedModalService modal;
};
