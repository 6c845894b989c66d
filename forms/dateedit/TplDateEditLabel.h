#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A caption cell of the era date edit ("年", "月", "日"): its text centred on a light
// grey cell as wide as the text plus a margin. It never takes the focus.
class TplDateEditLabel : public QWidget
{
    Q_OBJECT
public:
    explicit TplDateEditLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // Width the cell needs for its text in its current font.
    int preferredWidth() const;

    static inline const QColor CellColor{0xE4, 0xE4, 0xE4};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
