#include "CelvaneDrawing.h"

#include "Celvane.h"
#include "CelvaneError.h"
#include "SheetGeometry.h"

#include <cmath>

namespace celvane {

namespace {
constexpr double kPointsPerMillimetre = 72.0 / 25.4;

int optionalInt(const QVariantList &values, int index, int fallback)
{
    if (index >= values.size() || values[index].isNull() || !values[index].isValid())
        return fallback;
    bool ok = false;
    const int value = values[index].toInt(&ok);
    if (!ok)
        throw CelvaneError(QStringLiteral("図形の値 %1 は数ではありません").arg(values[index].toString()));
    return value;
}
}  // namespace

void CelvaneDrawing::place(DrawingObject object, double left, double top, double width, double height)
{
    if (!std::isfinite(width) || !std::isfinite(height) || width < 0 || height < 0)
        throw CelvaneError(QStringLiteral("図の大きさ %1 × %2 は正しくありません").arg(width).arg(height));
    ReportDocument &report = m_engine.report();
    Worksheet &sheet = report.currentSheet();
    const SheetGeometry geometry(sheet, report.workbook().styles);
    object.anchor = DrawingObject::Anchor::OneCell;
    object.from = geometry.anchorAt(m_cell.x(), m_cell.y(), left * kPointsPerMillimetre, top * kPointsPerMillimetre);
    object.width = std::llround(width * kEmuPerMillimetre);
    object.height = std::llround(height * kEmuPerMillimetre);
    sheet.drawings.push_back(std::move(object));
}

void CelvaneDrawing::AddPicture(const CelvanePicture &picture, double left, double top, std::optional<double> width,
                                std::optional<double> height)
{
    if (picture.isNull())
        throw CelvaneError(QStringLiteral("貼り付ける画像がありません"));
    const double ratio = picture.sizeMillimetres.width() / picture.sizeMillimetres.height();
    if (!width && !height) {
        width = picture.sizeMillimetres.width();
        height = picture.sizeMillimetres.height();
    } else if (!width) {
        width = *height * ratio;
    } else if (!height) {
        height = *width / ratio;
    }
    DrawingObject object;
    object.kind = DrawingObject::Kind::Picture;
    object.image = picture.image;
    place(std::move(object), left, top, *width, *height);
}

void CelvaneDrawing::AddShape(double left, double top, double width, double height, const QVariantList &values)
{
    DrawingObject object;
    object.kind = DrawingObject::Kind::Shape;
    const int kind = optionalInt(values, 0, kEllipse);
    switch (kind) {
    case kEllipse:
        object.geometry = DrawingObject::Geometry::Ellipse;
        break;
    case kRectangle:
        object.geometry = DrawingObject::Geometry::Rectangle;
        break;
    case kLineDown:
    case kLineUp:
        object.geometry = DrawingObject::Geometry::Line;
        object.flipVertical = kind == kLineUp;
        break;
    default:
        throw CelvaneError(QStringLiteral("図形の種類 %1 は使えません").arg(kind));
    }
    const int lineColour = optionalInt(values, 1, 8);
    const int fillColour = optionalInt(values, 2, -1);
    const int lineStyle = optionalInt(values, 6, int(LineStyle::Thin));
    if (lineColour < 0 || lineColour > 64 || fillColour > 64 || lineStyle < 0
        || lineStyle > int(LineStyle::SlantDashDot))
        throw CelvaneError(QStringLiteral("図形の線または色の値が正しくありません"));
    object.line = {LineStyle(lineStyle),
                   lineColour == 0 || lineColour == 64 ? CellColor::indexed(8) : CellColor::indexed(lineColour)};
    if (fillColour >= 0)
        object.fill = CellColor::indexed(fillColour);
    place(std::move(object), left, top, width, height);
}

}  // namespace celvane
