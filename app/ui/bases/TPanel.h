#pragma once

#include <QFrame>
#include <QString>

// A raised panel that may hold controls and shows a caption in its middle, as the
// windows' title, version and button strips do. ApplyTitleStyle colours it.
class TPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr, const QString &caption = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
