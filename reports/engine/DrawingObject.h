#pragma once

#include "CellStyle.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <mutex>

namespace celvane {

// Image bytes shared between the page copies that show them.
struct ImageData
{
    QByteArray bytes;
    QString extension;   // "png", "jpeg", "emf"
    QString sourcePart;  // where the template keeps it; saved documents point there again

    // The picture decoded, made once: a document previewed, printed and saved as PDF decodes
    // each photo once, however many pages and prints show it, and runs of pages written
    // side by side may ask for it at the same time.
    const QImage &decoded() const
    {
        std::call_once(m_decoding, [this] { m_decoded = QImage::fromData(bytes); });
        return m_decoded;
    }

private:
    mutable std::once_flag m_decoding;
    mutable QImage m_decoded;
};

// Position of a drawing corner: a cell (0-based, as stored) and an offset into it in EMU.
struct AnchorPoint
{
    int column = 0;
    int row = 0;
    qint64 columnOffset = 0;
    qint64 rowOffset = 0;
    bool operator==(const AnchorPoint &) const = default;
};

inline constexpr qint64 kEmuPerMillimetre = 36000;
inline constexpr qint64 kEmuPerPoint = 12700;

// A picture or shape on a sheet. Shapes and objects that the engine does not draw itself
// keep their XML so that saving writes them back as the template had them.
struct DrawingObject
{
    enum class Kind { Picture, Shape, Other };
    enum class Anchor { TwoCell, OneCell, Absolute };
    enum class Geometry { None, Rectangle, Ellipse, Line };

    Kind kind = Kind::Picture;
    Anchor anchor = Anchor::TwoCell;
    QString editAs;
    AnchorPoint from;
    AnchorPoint to;
    qint64 x = 0;  // absolute anchors only
    qint64 y = 0;
    qint64 width = 0;  // EMU; one-cell and absolute anchors, and the picture's own frame
    qint64 height = 0;
    QString name;

    std::shared_ptr<const ImageData> image;  // pictures
    Geometry geometry = Geometry::None;      // shapes drawn by the engine or understood from XML
    BorderLine line{LineStyle::Thin, CellColor::indexed(8)};
    CellColor fill;  // none: transparent
    bool flipHorizontal = false;
    bool flipVertical = false;
    QString objectXml;  // the object element of shapes and other objects, as written
    QString text;       // a shape's text, for drawing
};

}  // namespace celvane
