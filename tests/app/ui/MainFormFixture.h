#pragma once

#include "ScriptedMainFormWindows.h"
#include "SiteFixture.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "main/TMainForm.h"

#include <memory>

// A site with its company name set and the clock stopped, and scripted windows behind
// the main window, which the test opens when its setup is complete.
class MainFormFixture : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        Config::write(*ini, Config::CompanyName, QStringLiteral("北辰建設"));
        AppContext::instance().CompanyName = Config::read(*ini, Config::CompanyName);
        Config::write(*ini, Config::Debug, true);
    }

    void TearDown() override
    {
        form.reset();
        SiteFixture::TearDown();
    }

    void open() { form = std::make_unique<TMainForm>(data, windows); }

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

    ScriptedMainFormWindows windows;
    std::unique_ptr<TMainForm> form;
};
