#pragma once

#include <QFrame>
#include <QString>
#include <functional>

class ImageStore;
class QLabel;
class QToolButton;

// The picture box of the editors (115 x 118): one stored image, shown from the image
// folder BaseDir + SubDir, with buttons to register a JPEG file and to clear the image.
// The owner fetches the file into the folder (ImageStore::FetchImageFile) before
// ShowImage, and copies FileName into its column when OnImageChange tells it.
class TImageFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TImageFrame(QWidget *parent = nullptr);

    QString BaseDir;    // the image root, with a trailing '/'
    QString SubDir;     // "image"
    int ImageKind = 0;  // kind given to newly stored images: 0 persons, 1 certificates
    QString FileName;   // name of the image shown; empty when none
    std::function<void(TImageFrame &)> OnImageChange;
    // The store new images go to (the editor's); registering needs it.
    ImageStore *Store = nullptr;

    QToolButton *btnOpen;
    QToolButton *btnDelete;

    // Sets SubDir; says so when the folder does not exist (the name is set all the same).
    void SetSubDir(const QString &name);
    // Shows the file `name` of the frame's folder; an empty name clears the picture, a
    // missing or unreadable file shows the blue not-found picture.
    void ShowImage(const QString &name);
    QString Folder() const;
    // True while the not-found picture is shown.
    bool ShowsPlaceholder() const { return m_placeholder; }

    void btnOpenClick();
    void btnDeleteClick();

    static const char *const DialogFilter;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPixmap();
    void showPlaceholder();
    QString storeFile(const QString &path);

    QLabel *m_image;
    QPixmap m_pixmap;
    bool m_placeholder = false;
};
