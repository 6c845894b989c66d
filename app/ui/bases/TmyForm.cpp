#include "TmyForm.h"

#include "program/AppContext.h"
#include "JapaneseFonts.h"
#include "TPanel.h"
#include "TitleStyle.h"

#include <QLabel>
#include <QScreen>

TmyForm::TmyForm(QWidget *parent)
    : QDialog(parent)
{
    InstallJapaneseFontSubstitutions();
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
}

void TmyForm::ApplyTitleStyle(QWidget *control)
{
    const bool panel = qobject_cast<TPanel *>(control) != nullptr;
    const TitleStyle style = TitleStyle::read(AppContext::instance().IniFile, panel);
    QPalette colours = control->palette();
    colours.setColor(QPalette::Window, style.background);
    colours.setColor(QPalette::WindowText, style.textColor);
    control->setPalette(colours);
    control->setAutoFillBackground(true);
    control->setFont(style.font);
    control->update();
}

void TmyForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
