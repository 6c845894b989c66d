#include "dateedit/DateControl.h"
#include "dateedit/EraComboBox.h"
#include "dateedit/TplDateEdit.h"
#include "dateedit/TplDateEditLabel.h"

#include <QFormLayout>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor pixelAt(const QImage &image, const QWidget *window, const QWidget *part, QPoint offset)
{
    const QPoint at = part->mapTo(window, offset) * image.devicePixelRatio();
    return image.pixelColor(at);
}

}  // namespace

// Paints a small form with an empty date being typed into, a Heisei and a disabled Reiwa
// date, checks the colours a user sees and, with SORVIK_SCREENSHOT_DIR set, keeps the picture.
TEST(TplDateEditLookTest, EmptyHeiseiAndDisabledReiwaDates)
{
    QWidget window;
    window.setWindowTitle("日付入力");
    auto *form = new QFormLayout(&window);
    auto *empty = new TplDateEdit(&window);
    auto *heisei = new TplDateEdit(&window);
    auto *reiwa = new TplDateEdit(&window);
    form->addRow("入場年月日", empty);
    form->addRow("雇入年月日", heisei);
    form->addRow("建退共成立日", reiwa);
    SetDateControl(*heisei, "2009/04/01");
    SetDateControl(*reiwa, "2026/12/09");
    reiwa->setEnabled(false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto *typing = empty->findChild<QLineEdit *>("month");
    typing->setFocus();
    QTest::keyClicks(typing, "12");

    const QImage image = window.grab().toImage();
    if (const QByteArray dir = qgetenv("SORVIK_SCREENSHOT_DIR"); !dir.isEmpty())
        image.save(QString::fromLocal8Bit(dir) + "/dateedit.png");

    auto *caption = heisei->findChildren<TplDateEditLabel *>().first();
    EXPECT_EQ(pixelAt(image, &window, caption, {1, 1}), TplDateEditLabel::CellColor);
    auto *disabledYear = reiwa->findChild<QLineEdit *>("year");
    EXPECT_EQ(pixelAt(image, &window, disabledYear, {4, disabledYear->height() / 2}), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(pixelAt(image, &window, typing, {4, typing->height() / 2}), QColor(0xFF, 0xFB, 0xF0));
    auto *enabledDay = heisei->findChild<QLineEdit *>("day");
    EXPECT_EQ(pixelAt(image, &window, enabledDay, {4, enabledDay->height() / 2}), QColor(Qt::white));
    EXPECT_EQ(reiwa->findChild<EraComboBox *>("era")->currentText(), "令和");
}
