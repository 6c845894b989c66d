#pragma once

#include "EditorFixture.h"
#include "ProjectTree.h"
#include "editors/TMeiboListForm.h"

// The roster of the demo site's road project on a work date of 2026/06/01: contractor 2
// (株式会社丸山土木) has workers 1 丸山 翔太, 2 菅原 勇気 and 3 三浦 真由美, all selected;
// worker 1 holds the skill trainings 車両系 and 地山主 and the education 職長.
class RosterFixture : public EditorFixture<DemoSiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 6, 1);
        SelectProject(QStringLiteral("1"), QStringLiteral("国道230号 道路改良工事"));
        AppContext::Project().PublishTree({{QStringLiteral("北辰建設株式会社"), QStringLiteral("1"), 0},
                                           {QStringLiteral("株式会社丸山土木"), QStringLiteral("2"), 1},
                                           {QStringLiteral("道央舗装株式会社"), QStringLiteral("3"), 1}});
    }

    // The roster shown on contractor `gyoCode`, over the records of `editor`.
    static std::unique_ptr<TMeiboListForm> openRoster(const EditorContext &editor, const QString &gyoCode)
    {
        auto form = std::make_unique<TMeiboListForm>(editor);
        form->KojiCode = QStringLiteral("1");
        form->KojiName = QStringLiteral("国道230号 道路改良工事");
        EXPECT_TRUE(form->LoadContractorList());
        form->SelectContractor(gyoCode);
        form->show();
        return form;
    }
};
