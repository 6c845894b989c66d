#include "TImageFrame.h"

#include "services/FileDialogService.h"
#include "services/UserAction.h"
#include "data/ImageStore.h"
#include "db/Error.h"
#include "messages/MessageService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

const char *const TImageFrame::DialogFilter = "JPEG イメージファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg";

TImageFrame::TImageFrame(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(115, 118);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_image = new QLabel(this);
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setMinimumSize(1, 1);
    btnOpen = new QToolButton(this);
    btnOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    btnOpen->setToolTip(QStringLiteral("画像の登録"));
    btnDelete = new QToolButton(this);
    btnDelete->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    btnDelete->setToolTip(QStringLiteral("画像のクリア"));
    for (QToolButton *button : {btnOpen, btnDelete}) {
        button->setFixedSize(22, 20);
        button->setIconSize(QSize(14, 14));
    }
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(1);
    bar->addStretch(1);
    bar->addWidget(btnOpen);
    bar->addWidget(btnDelete);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(m_image, 1);
    layout->addLayout(bar);
    connect(btnOpen, &QToolButton::clicked, this, [this] { RunUserAction([this] { btnOpenClick(); }); });
    connect(btnDelete, &QToolButton::clicked, this, [this] { RunUserAction([this] { btnDeleteClick(); }); });
}

QString TImageFrame::Folder() const
{
    return QDir(BaseDir + SubDir).path() + QLatin1Char('/');
}

void TImageFrame::SetSubDir(const QString &name)
{
    SubDir = name;
    if (!QFileInfo(BaseDir + name).isDir())
        MessageService::current().error(QStringLiteral("画像格納ディレクトリが存在しません。"));
}

void TImageFrame::ShowImage(const QString &name)
{
    FileName = name;
    m_placeholder = false;
    m_pixmap = QPixmap();
    if (name.isEmpty()) {
        m_image->clear();
        return;
    }
    QImageReader reader(Folder() + name);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        showPlaceholder();
        return;
    }
    m_pixmap = QPixmap::fromImage(image);
    showPixmap();
}

void TImageFrame::showPixmap()
{
    if (m_pixmap.isNull())
        return;
    m_image->setPixmap(m_pixmap.scaled(m_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TImageFrame::showPlaceholder()
{
    m_placeholder = true;
    QPixmap picture(m_image->size());
    picture.fill(Qt::blue);
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    painter.setFont(font());
    const int ascent = painter.fontMetrics().ascent();
    painter.drawText(QPoint(1, 10 + ascent), QStringLiteral("(画像ファイルが"));
    painter.drawText(QPoint(1, 30 + ascent), QStringLiteral(" 見つかりません)"));
    painter.end();
    m_image->setPixmap(picture);
}

void TImageFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_placeholder)
        showPlaceholder();
    else
        showPixmap();
}

QString TImageFrame::storeFile(const QString &path)
{
    if (!Store)
        throw db::Error(QStringLiteral("画像の保存先が設定されていません。"));
    return Store->StoreImageFile(ImageKind, path);
}

void TImageFrame::btnOpenClick()
{
    FileDialogRequest request;
    request.filter = QString::fromUtf8(DialogFilter);
    request.fileMustExist = true;
    // Photos come from the user's own folders, not from the program's.
    request.initialDir = QDir::homePath();
    const QString chosen = FileDialogService::current().openFile(request);
    if (chosen.isEmpty())
        return;
    const QString name = storeFile(chosen);
    if (!name.isEmpty()) {
        const QString copy = Folder() + name;
        QFile::remove(copy);
        if (!QFile::copy(chosen, copy))
            throw db::Error(QStringLiteral("画像ファイルを画像格納ディレクトリに複写できません。\n%1").arg(copy));
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    ShowImage(name);
    if (OnImageChange)
        OnImageChange(*this);
}

void TImageFrame::btnDeleteClick()
{
    if (FileName.isEmpty())
        return;
    ShowImage(QString());
    if (OnImageChange)
        OnImageChange(*this);
}
