#pragma once

#include "CelvanePicture.h"

#include <QPoint>
#include <QVariantList>
#include <optional>

namespace celvane {

class Celvane;

// The drawing layer at a cell. Positions and sizes are millimetres from the cell's
// top-left corner.
class CelvaneDrawing
{
public:
    CelvaneDrawing(Celvane &engine, QPoint cell)
        : m_engine(engine)
        , m_cell(cell)
    {
    }

    // A missing width or height keeps the picture's ratio; with both missing it keeps its
    // own size.
    void AddPicture(const CelvanePicture &picture, double left, double top, std::optional<double> width = {},
                    std::optional<double> height = {});
    // A shape. The values, each may be null: shape kind (50 ellipse, 51 rectangle, 52 line
    // from top left to bottom right, 53 line from bottom left to top right; default 50),
    // line colour index, fill colour index (none: transparent), three values kept for
    // callers, and the line style code (default 1, thin).
    void AddShape(double left, double top, double width, double height, const QVariantList &values = {});

    static constexpr int kEllipse = 50;
    static constexpr int kRectangle = 51;
    static constexpr int kLineDown = 52;
    static constexpr int kLineUp = 53;

private:
    void place(DrawingObject object, double left, double top, double width, double height);

    Celvane &m_engine;
    QPoint m_cell;
};

}  // namespace celvane
