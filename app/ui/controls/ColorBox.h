#pragma once

#include <QComboBox>

// A drop-down of the sixteen basic colours with a swatch each, plus "その他…" for any
// colour; values are 0x00BBGGRR as the configuration stores them.
class ColorBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    int value() const;
    void setValue(int bgr);

private:
    int addColor(const QString &name, int bgr);
    void chooseOther(int index);

    int m_otherIndex = -1;
    int m_lastIndex = 0;
};
