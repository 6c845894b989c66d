#include "ChartTestSupport.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

void ConfigureChartGrid(TLayoutBase &layout)
{
    layout.BeginUpdate();
    layout.SetColWidth(130);
    layout.SetRowHeight(130);
    layout.SetPageRows(4);
    layout.SetColCount(5);
    layout.SetRowCount(12);
    layout.SetFixedCols(1);
    layout.SetFixedColor(ChartColor(0xC0DCC0));
    layout.SetBackColor(ChartColor(0x000080));
    layout.SetLinkColor(ChartColor(0x000000));
    layout.SetPageLineColor(ChartColor(0x008000));
    layout.resize(650, 1560);
    layout.SetBitmapSize(650, 1560);
    layout.EndUpdate();
}

TItemBase *AddBox(TLayoutBase &layout, TItemBase *parent, const QString &caption)
{
    auto box = std::make_unique<TItemBase>(layout);
    box->SetCaption(caption);
    const int index = layout.Items().Add(parent, std::move(box));
    return layout.Items()[index];
}

QPoint CentreOf(const TItemBase *box)
{
    return box->BoxRect().center();
}

QColor PixelAt(const QImage &image, int x, int y)
{
    return QColor::fromRgb(image.pixel(x, y));
}

bool HasColorNear(const QImage &image, QPointF point, QColor color, int radius)
{
    const QPoint centre = point.toPoint();
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.valid(p) && QColor::fromRgb(image.pixel(p)) == color)
                return true;
        }
    return false;
}

void ShowLayout(TLayoutBase &layout)
{
    layout.move(0, 0);
    layout.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&layout));
}

QString ArtifactPath(const QString &fileName)
{
    const QString root = qEnvironmentVariableIsSet("SORVIK_BINARY_DIR")
        ? qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/tests/chart-artifacts")
        : QDir::tempPath() + QStringLiteral("/sorvik-chart-artifacts");
    QDir().mkpath(root);
    return root + QLatin1Char('/') + fileName;
}
