#include "controls/DBGrid.h"
#include "dateedit/DateControl.h"
#include "SiteFixture.h"
#include "FormWindows.h"
#include "pickers/TGyoListForm.h"
#include "pickers/TInListForm.h"
#include "pickers/TKojiListForm.h"
#include "pickers/TMeishoBox.h"
#include "pickers/TShokuListForm.h"
#include "dateedit/TplDateEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using PickersTest = DemoSiteFixture;

// The grid's texts of one column, top to bottom.
QStringList gridColumn(DBGrid *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

TEST_F(PickersTest, ProjectPickerBuildsTheFilterFromTheDatesGiven)
{
    TKojiListForm picker;
    const QString base = QStringLiteral("Select DISTINCT kjcd,kjnm,odnm,stdt,fndt from KOJI");
    EXPECT_EQ(picker.ListSql().text, base);
    EXPECT_TRUE(picker.ListSql().params.isEmpty());
    SetDateControl(*picker.dtFrom, QStringLiteral("2026/10/01"));
    EXPECT_EQ(picker.ListSql().text, base + QStringLiteral(" where stdt >= ?"));
    EXPECT_EQ(picker.ListSql().params, QVariantList{QStringLiteral("2026/10/01")});
    SetDateControl(*picker.dtTo, QStringLiteral("2027/06/30"));
    EXPECT_EQ(picker.ListSql().text, base + QStringLiteral(" where stdt >= ? and fndt >= ?"));
    EXPECT_EQ(picker.ListSql().params, (QVariantList{QStringLiteral("2026/10/01"), QStringLiteral("2027/06/30")}));
    picker.btnViewClick();
    EXPECT_EQ(gridColumn(picker.DBGrid1, 0), QStringList{QStringLiteral("2")});
}

TEST_F(PickersTest, ProjectPickerListsEveryVersionLineAndReturnsTheChoice)
{
    modal.then([](QDialog &dialog) {
        auto &picker = static_cast<TKojiListForm &>(dialog);
        picker.show();
        // The road project has two versions with different ends: two lines; then the housing
        // project and the joint venture.
        EXPECT_EQ(gridColumn(picker.DBGrid1, 0), QString("1,1,2,3").split(','));
        EXPECT_EQ(picker.DBGrid1->currentIndex().row(), 2);  // preset to the current project
        picker.DBGrid1->setCurrentIndex(picker.DBGrid1->model()->index(0, 0));
        picker.btnOK->click();
        return picker.result();
    });
    FormWindows windows(data);
    const MainFormWindows::ProjectChoice choice = windows.pickProject(nullptr, QStringLiteral("2"));
    EXPECT_EQ(choice.code, QStringLiteral("1"));
    EXPECT_EQ(choice.name, QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));

    modal.then([](QDialog &dialog) {
        static_cast<TKojiListForm &>(dialog).BitBtn2->click();
        return dialog.result();
    });
    EXPECT_EQ(windows.pickProject(nullptr, QStringLiteral("2")).code, QStringLiteral("2"));

    // Choosing from an empty list chooses no project: "0", never an empty code.
    modal.then([](QDialog &dialog) {
        auto &picker = static_cast<TKojiListForm &>(dialog);
        picker.show();
        SetDateControl(*picker.dtFrom, QStringLiteral("2080/01/01"));
        picker.btnView->click();
        EXPECT_TRUE(gridColumn(picker.DBGrid1, 0).isEmpty());
        picker.btnOK->click();
        return picker.result();
    });
    const MainFormWindows::ProjectChoice none = windows.pickProject(nullptr, QStringLiteral("2"));
    EXPECT_EQ(none.code, QStringLiteral("0"));
    EXPECT_TRUE(none.name.isEmpty());
}

TEST_F(PickersTest, ContractorPickerLeavesOutTheTreeAndGroupsVersions)
{
    modal.then([](QDialog &dialog) {
        auto &picker = static_cast<TGyoListForm &>(dialog);
        picker.show();
        EXPECT_FALSE(picker.ProjectStrip->isVisible());
        EXPECT_EQ(gridColumn(picker.DBGrid1, 0), QString("3,5,8").split(','));
        // Contractor 5 changed its name: one line with the greatest name.
        EXPECT_EQ(gridColumn(picker.DBGrid1, 1).at(1), QStringLiteral("株式会社千歳鉄筋"));
        EXPECT_EQ(gridColumn(picker.DBGrid1, 3).at(1), QStringLiteral("2026/06/01"));
        EXPECT_EQ(gridColumn(picker.DBGrid1, 4).at(1), QStringLiteral("2026/12/18"));
        EXPECT_EQ(picker.DBGrid1->currentIndex().row(), 2);  // preset contractor 8
        picker.btnOK->click();
        return picker.result();
    });
    QString kojiCode = QStringLiteral("x"), gyoCode = QStringLiteral("x"), name = QStringLiteral("x");
    ASSERT_TRUE(PickContractor(nullptr, QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("1,2,4,6,7"), kojiCode,
                               gyoCode, name));
    EXPECT_EQ(kojiCode, QStringLiteral("1"));
    EXPECT_EQ(gyoCode, QStringLiteral("8"));
    EXPECT_EQ(name, QStringLiteral("株式会社サッポロ電設"));

    modal.then([](QDialog &dialog) {
        static_cast<TGyoListForm &>(dialog).BitBtn2->click();
        return dialog.result();
    });
    EXPECT_FALSE(PickContractor(nullptr, QStringLiteral("1"), {}, {}, kojiCode, gyoCode, name));
    EXPECT_EQ(gyoCode, QStringLiteral("8"));
}

TEST_F(PickersTest, ContractorPickerWithoutProjectLetsTheUserChooseOne)
{
    modal.then([this](QDialog &dialog) {
        auto &picker = static_cast<TGyoListForm &>(dialog);
        picker.show();
        EXPECT_TRUE(picker.ProjectStrip->isVisible());
        EXPECT_EQ(picker.DBGrid1->model()->rowCount(), 0);
        modal.then([](QDialog &projects) {
            auto &list = static_cast<TKojiListForm &>(projects);
            list.show();
            list.DBGrid1->setCurrentIndex(list.DBGrid1->model()->index(2, 0));
            list.btnOK->click();
            return list.result();
        });
        picker.btnKJ->click();
        EXPECT_EQ(picker.edtKJNM->text(), QStringLiteral("（仮称）北光町集合住宅新築工事"));
        EXPECT_EQ(gridColumn(picker.DBGrid1, 1),
                  QString("北辰建設株式会社,株式会社丸山土木,株式会社札幌型枠").split(','));
        picker.DBGrid1->setCurrentIndex(picker.DBGrid1->model()->index(2, 0));
        picker.btnOK->click();
        return picker.result();
    });
    QString kojiCode, gyoCode, name;
    ASSERT_TRUE(PickContractor(nullptr, QStringLiteral("0"), {}, {}, kojiCode, gyoCode, name));
    EXPECT_EQ(kojiCode, QStringLiteral("2"));
    EXPECT_EQ(gyoCode, QStringLiteral("3"));
}

TEST_F(PickersTest, NamesPickerShowsTheNineCharacterFieldAndReturnsByKind)
{
    {
        TMeishoBox box(2);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("名称選択"));
        EXPECT_EQ(box.ListBox1->item(0)->text(), QStringLiteral("玉掛       玉掛け技能講習"));
        EXPECT_EQ(box.Abbreviations.at(0), QStringLiteral("玉掛"));
        // Enter without a selected entry chooses nothing.
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_TRUE(box.Result.isEmpty());
        box.ListBox1->setCurrentRow(0);
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(box.Result, QStringLiteral("玉掛       玉掛け技能講習"));
        EXPECT_EQ(box.Result.mid(9), QStringLiteral("玉掛け技能講習"));
    }
    modal.then([](QDialog &dialog) {
        auto &box = static_cast<TMeishoBox &>(dialog);
        EXPECT_EQ(box.pos(), QPoint(40, 120));
        box.ListBox1->setCurrentRow(1);
        QTest::keyClick(&box, Qt::Key_Enter);
        return box.result();
    });
    EXPECT_EQ(PickName(120, 40, 4), QStringLiteral("鳶"));
    modal.then([](QDialog &dialog) {
        auto &box = static_cast<TMeishoBox &>(dialog);
        box.ListBox1->setCurrentRow(1);
        QTest::keyClick(&box, Qt::Key_Escape);
        return box.result();
    });
    EXPECT_TRUE(PickName(0, 0, 5).isEmpty());
}

TEST_F(PickersTest, StaffPickerListsByBirthDateAndReturnsTheRow)
{
    modal.then([](QDialog &dialog) {
        auto &picker = static_cast<TShokuListForm &>(dialog);
        EXPECT_EQ(gridColumn(picker.DBGrid1, 1).first(), QStringLiteral("佐藤 健一"));
        EXPECT_EQ(gridColumn(picker.DBGrid1, 1).last(), QStringLiteral("伊藤 美咲"));
        picker.DBGrid1->setCurrentIndex(picker.DBGrid1->model()->index(2, 0));
        picker.btnOK->click();
        return picker.result();
    });
    const StaffChoice chosen = PickStaff(nullptr);
    EXPECT_EQ(chosen.Name, QStringLiteral("高橋 誠"));
    EXPECT_EQ(chosen.BirthDate, QStringLiteral("1975/11/03"));
    EXPECT_EQ(chosen.Qualification, QStringLiteral("1級土木施工管理技士"));
    EXPECT_EQ(chosen.LicenceNumber, QStringLiteral("第 2 0 8 8 1 6 号"));

    modal.then([](QDialog &dialog) {
        static_cast<TShokuListForm &>(dialog).BitBtn2->click();
        return dialog.result();
    });
    EXPECT_TRUE(PickStaff(nullptr).Name.isEmpty());
}

TEST_F(PickersTest, StaffPickerOnAnEmptyListChoosesNothing)
{
    data.IBTransaction1.commitRetaining();
    db::Query query(data.IBTransaction1);
    query.setSql(QStringLiteral("Delete from SHOKU"));
    query.exec();
    modal.then([](QDialog &dialog) {
        static_cast<TShokuListForm &>(dialog).btnOK->click();
        return dialog.result();
    });
    const StaffChoice chosen = PickStaff(nullptr);
    EXPECT_TRUE(chosen.Name.isEmpty());
    EXPECT_TRUE(chosen.BirthDate.isEmpty());
}

TEST_F(PickersTest, QualificationPickerJoinsTheSelectedQualificationsOfOnePerson)
{
    QStringList qualificationsInListOrder;
    modal.then([&](QDialog &dialog) {
        auto &picker = static_cast<TInListForm &>(dialog);
        picker.show();
        EXPECT_TRUE(picker.lblMulti->isVisible());
        // 石川 holds two licences and two trainings, 岩田 one training.
        EXPECT_EQ(gridColumn(picker.DBGrid1, 0).count(QStringLiteral("石川 拓也")), 4);
        const QStringList qualifications = gridColumn(picker.DBGrid1, 2);
        const int licence = qualifications.indexOf(QStringLiteral("大型特殊自動車運転免許"));
        const int training = qualifications.indexOf(QStringLiteral("玉掛け技能講習"));
        const int other = gridColumn(picker.DBGrid1, 0).indexOf(QStringLiteral("岩田 昇"));
        auto *selection = picker.DBGrid1->selectionModel();
        // The current row names the person; the rows are selected against the list's order.
        selection->setCurrentIndex(picker.DBGrid1->model()->index(licence, 0), QItemSelectionModel::NoUpdate);
        for (int row : {std::max(training, licence), other, std::min(training, licence)})
            selection->select(picker.DBGrid1->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        qualificationsInListOrder = licence < training ? QStringList{qualifications[licence], qualifications[training]}
                                                       : QStringList{qualifications[training], qualifications[licence]};
        picker.btnOK->click();
        return picker.result();
    });
    const WorkerQualificationChoice chosen
        = PickWorkerQualification(nullptr, QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("1,2,3"));
    EXPECT_EQ(chosen.Name, QStringLiteral("石川 拓也"));
    EXPECT_EQ(chosen.BirthDate, QStringLiteral("1979/10/30"));
    EXPECT_EQ(chosen.Address, QStringLiteral("石狩市花川北3条2丁目118"));
    // The names follow the data set's order, not the order of selection.
    EXPECT_EQ(chosen.Qualification, qualificationsInListOrder.join(QLatin1Char(' ')));
}

TEST_F(PickersTest, QualificationPickerOfOneKindSelectsOneRowAndListsWorkersWithout)
{
    TInListForm picker;
    picker.KojiCode = QStringLiteral("1");
    picker.GyoCode = QStringLiteral("2");
    picker.Kinds = QStringLiteral("1");
    picker.Fill();
    picker.show();
    EXPECT_FALSE(picker.lblMulti->isVisible());
    EXPECT_EQ(picker.DBGrid1->selectionMode(), QAbstractItemView::SingleSelection);
    // Nobody of contractor 2 holds a licence: each worker once with empty columns.
    EXPECT_EQ(gridColumn(picker.DBGrid1, 2), QStringList(3, QString()));
    picker.BitBtn2->click();
    EXPECT_TRUE(picker.Chosen.Name.isEmpty());
}

}  // namespace
