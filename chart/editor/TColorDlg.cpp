#include "TColorDlg.h"

#include "BoxColors.h"
#include "CloseButton.h"
#include "FrameStyles.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QColor ColorOf(const QString &identifier, const QPalette &palette)
{
    const std::optional<unsigned> rgb = BoxColors::Fill(identifier);
    return rgb ? QColor::fromRgb(*rgb) : palette.color(QPalette::Active, QPalette::Button);
}

void Paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::ButtonText, text);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

}  // namespace

TColorDlg::TColorDlg(const QString &boxColor, int frameStyle, QWidget *parent)
    : TmyForm(parent)
    , m_boxColor(boxColor)
{
    setWindowTitle(QStringLiteral("色指定"));
    auto *form = new QVBoxLayout(this);

    auto *swatches = new QGroupBox(QStringLiteral("色"), this);
    auto *grid = new QGridLayout(swatches);
    int i = 0;
    for (const BoxColors::Offered &choice : BoxColors::Choices()) {
        auto *swatch = new QPushButton(choice.caption, swatches);
        swatch->setObjectName(choice.identifier);
        swatch->setAutoDefault(false);
        swatch->setFlat(true);
        swatch->setMinimumSize(64, 28);
        const QColor colour = ColorOf(choice.identifier, palette());
        Paint(swatch, colour, colour.lightness() < 128 ? Qt::white : Qt::black);
        connect(swatch, &QPushButton::clicked, this, [this, id = choice.identifier] { SwatchClick(id); });
        grid->addWidget(swatch, i / 4, i % 4);
        ++i;
    }
    form->addWidget(swatches);

    pnlSample = new QLabel(QStringLiteral("選択した色"), this);
    pnlSample->setObjectName(QStringLiteral("pnlSample"));
    pnlSample->setAlignment(Qt::AlignCenter);
    pnlSample->setFrameShape(QFrame::Panel);
    pnlSample->setFrameShadow(QFrame::Sunken);
    pnlSample->setMinimumHeight(36);
    form->addWidget(pnlSample);

    rgLine = new QGroupBox(QStringLiteral("外枠線"), this);
    rgLine->setObjectName(QStringLiteral("rgLine"));
    auto *lines = new QGridLayout(rgLine);
    m_frames = new QButtonGroup(this);
    const QList<FrameStyles::Style> &styles = FrameStyles::All();
    for (int style = 0; style < styles.size(); ++style) {
        auto *radio = new QRadioButton(styles[style].caption, rgLine);
        m_frames->addButton(radio, style);
        lines->addWidget(radio, style / 3, style % 3);
    }
    (m_frames->button(frameStyle) ? m_frames->button(frameStyle) : m_frames->button(0))->setChecked(true);
    form->addWidget(rgLine);

    AddCloseButton(*this, *form, QStringLiteral("閉じる"));

    ShowSample();
}

int TColorDlg::FrameStyle() const
{
    return m_frames->checkedId();
}

void TColorDlg::SwatchClick(const QString &identifier)
{
    m_boxColor = identifier;
    ShowSample();
}

void TColorDlg::ShowSample()
{
    const QColor colour = ColorOf(m_boxColor, palette());
    Paint(pnlSample, colour, QColor::fromRgb(colour.rgb() ^ 0xFFFFFFu));
}
