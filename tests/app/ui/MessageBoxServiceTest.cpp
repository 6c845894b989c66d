#include "services/MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses the button with `caption` on the message box that is about to open.
void pressWhenShown(const QString &caption, QString *shownText)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *shownText = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption)
                button->click();
        }
    });
}

TEST(MessageBoxServiceTest, QuestionsAnswerWithTheButtonPressed)
{
    MessageBoxService service;
    QString shown;
    pressWhenShown(QStringLiteral("いいえ(&N)"), &shown);
    EXPECT_FALSE(service.question(QStringLiteral("削除しますか？")));
    EXPECT_EQ(shown, QStringLiteral("削除しますか？"));
    pressWhenShown(QStringLiteral("はい(&Y)"), &shown);
    EXPECT_TRUE(service.question(QStringLiteral("削除しますか？")));
}

TEST(MessageBoxServiceTest, ACautiousQuestionOffersNoAsItsDefault)
{
    MessageBoxService service;
    QString defaultButton;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        defaultButton = box->defaultButton()->text();
        box->defaultButton()->click();
    });
    EXPECT_FALSE(service.questionDefaultNo(QStringLiteral("続けますか？")));
    EXPECT_EQ(defaultButton, QStringLiteral("いいえ(&N)"));
}

TEST(MessageBoxServiceTest, LineBreaksOfTheProgramsTextsShowAsSingleBreaks)
{
    MessageBoxService service;
    QString shown;
    pressWhenShown(QStringLiteral("OK"), &shown);
    service.error(QStringLiteral("一行目\n\r二行目"));
    EXPECT_EQ(shown, QStringLiteral("一行目\n二行目"));
}

}  // namespace
