#include "Celvane.h"
#include "LibreOfficePeer.h"
#include "PreviewOutputHandler.h"
#include "PreviewWindow.h"
#include "TemplateFactory.h"
#include "XlsxReader.h"

#include <QComboBox>
#include <QScrollArea>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString templatePath = dir.filePath(QStringLiteral("roster.xlsx"));
        TemplateFactory::save(TemplateFactory::roster(), templatePath);
        engine.FileName(templatePath);
        engine.Document().Begin();
        engine.Page().Open(QStringLiteral("名簿"));
        TemplateFactory::fillPeople(
            engine, 25, [] {},
            [this](int i, int r) {
                engine.Cell(QStringLiteral("**NAME"), 0, r).Value(QStringLiteral("人%1").arg(i + 1));
            });
        engine.Page().Close();
        services = PreviewServices::standard();
        services.showMessage = [this](QWidget *, const QString &text) { messages << text; };
        services.defaultPrinterName = [] { return QString(); };
        services.setUpPrinter = [](QWidget *, QPrinter &) { return false; };
    }
    std::unique_ptr<PreviewWindow> window(bool allowSave)
    {
        auto shown = std::make_unique<PreviewWindow>(
            engine.finishedDocument(), allowSave, [this](const QString &name) { engine.saveAs(name); }, services);
        shown->resize(900, 700);
        shown->show();
        return shown;
    }
    static QPushButton *button(QWidget &window, const QString &text)
    {
        for (QPushButton *b : window.findChildren<QPushButton *>())
            if (b->text().contains(text))
                return b;
        return nullptr;
    }

    QTemporaryDir dir;
    Celvane engine;
    PreviewServices services;
    QStringList messages;
};

TEST_F(Preview, WalksThroughThePages)
{
    auto shown = window(false);
    ASSERT_EQ(shown->pageCount(), 3);
    EXPECT_EQ(shown->currentPage(), 0);
    QTest::mouseClick(button(*shown, QStringLiteral("次頁")), Qt::LeftButton);
    EXPECT_EQ(shown->currentPage(), 1);
    QTest::mouseClick(button(*shown, QStringLiteral("▶|")), Qt::LeftButton);
    EXPECT_EQ(shown->currentPage(), 2);
    EXPECT_FALSE(button(*shown, QStringLiteral("次頁"))->isEnabled());
    QTest::mouseClick(button(*shown, QStringLiteral("前頁")), Qt::LeftButton);
    EXPECT_EQ(shown->currentPage(), 1);
    const auto labels = shown->findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel *label) { return label->text() == QStringLiteral("2 / 3 ページ"); }));
    QTest::keyClick(shown.get(), Qt::Key_PageDown);
    EXPECT_EQ(shown->currentPage(), 2);
    QTest::keyClick(shown.get(), Qt::Key_Home);
    EXPECT_EQ(shown->currentPage(), 0);
}

TEST_F(Preview, ZoomsToTheWholePageThePageWidthOrAPercentage)
{
    auto shown = window(false);
    shown->setZoom(PreviewWindow::Zoom::WholePage);
    const QSize whole = shown->shownPageSize();
    EXPECT_LE(whole.height(), 700);
    shown->setZoom(PreviewWindow::Zoom::PageWidth);
    const QSize wide = shown->shownPageSize();
    EXPECT_GE(wide.width(), whole.width());
    EXPECT_LE(wide.width(), 900);
    shown->setZoom(PreviewWindow::Zoom::Percent, 100);
    // A4 landscape at 100% on a 96 dpi screen: 297 mm wide.
    EXPECT_NEAR(shown->shownPageSize().width(), 297 / 25.4 * 96, 2);
    shown->findChild<QComboBox *>()->setCurrentIndex(0);
    emit shown->findChild<QComboBox *>()->activated(6);  // 200%
    EXPECT_NEAR(shown->shownPageSize().width(), 2 * 297 / 25.4 * 96, 3);
}

TEST_F(Preview, OpensWithThePageFillingTheWindow)
{
    // The window is laid out only when it is shown: the first page must be drawn for the
    // room the window has then, not for the room its scroll area had before.
    auto shown = window(false);
    QCoreApplication::processEvents();
    const QSize room = shown->findChild<QScrollArea *>()->viewport()->size();
    const QSize page = shown->shownPageSize();
    EXPECT_TRUE(page.width() >= room.width() - 20 || page.height() >= room.height() - 20)
        << page.width() << "x" << page.height() << " in " << room.width() << "x" << room.height();
}

TEST_F(Preview, SavesAsWorkbookOrPdfOnlyWhenAllowed)
{
    EXPECT_FALSE(window(false)->saveButton()->isVisibleTo(nullptr));
    QString answer = dir.filePath(QStringLiteral("saved"));
    services.chooseSaveFile = [&answer](QWidget *, const QString &) { return answer; };
    auto shown = window(true);
    ASSERT_TRUE(shown->saveButton()->isVisible());
    QTest::mouseClick(shown->saveButton(), Qt::LeftButton);
    EXPECT_EQ(XlsxReader::read(dir.filePath(QStringLiteral("saved.xlsx"))).sheets[0].findCell(2, 14)->text,
              QStringLiteral("人11"));
    answer = dir.filePath(QStringLiteral("saved.pdf"));
    QTest::mouseClick(shown->saveButton(), Qt::LeftButton);
    EXPECT_EQ(LibreOfficePeer::pageCount(answer), 3);
    answer = QStringLiteral("/no/such/folder/x.pdf");
    QTest::mouseClick(shown->saveButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("保存できません")));
}

TEST_F(Preview, PrintingWithoutAPrinterSaysSo)
{
    auto shown = window(false);
    QTest::mouseClick(button(*shown, QStringLiteral("印刷")), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("プリンタが設定されていません")));

    engine.setOutputHandler(std::make_shared<PreviewOutputHandler>(services));
    EXPECT_NO_THROW(engine.Output().Print());
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(Preview, OutputPreviewOpensTheWindowAtTheGivenSize)
{
    QRect opened;
    bool saving = false;
    QString offered;
    services.chooseSaveFile = [&](QWidget *, const QString &suggested) {
        offered = suggested;
        return QString();
    };
    services.showModal = [&](QDialog &window) {
        opened = window.geometry();
        saving = static_cast<PreviewWindow &>(window).saveButton()->isVisibleTo(&window);
        static_cast<PreviewWindow &>(window).save();
    };
    engine.setOutputHandler(std::make_shared<PreviewOutputHandler>(services));
    engine.Options().AllowSave(true);
    engine.Output().Preview(1, 1, 1024, 700);
    EXPECT_EQ(opened.size(), QSize(1024, 700));
    EXPECT_TRUE(saving);
    EXPECT_EQ(offered, QStringLiteral("roster.xlsx")) << "the template's name is offered";
}

TEST_F(Preview, LooksLikeAPreview)
{
    const QString shot = qEnvironmentVariable("CELVANE_PREVIEW_SHOT");
    if (shot.isEmpty())
        GTEST_SKIP() << "set CELVANE_PREVIEW_SHOT to a PNG path to keep a picture of the window";
    auto shown = window(true);
    shown->setZoom(PreviewWindow::Zoom::PageWidth);
    EXPECT_TRUE(shown->grab().save(shot));
}

}  // namespace
