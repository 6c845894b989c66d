#include "RecordingCanvas.h"

namespace strilux {

void RecordingCanvas::setMapMode(MapMode mode)
{
    m_operations.push_back({Operation::MapModeChange, mode, 0, 0, 0, 0, {}, {}, {}});
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    m_operations.push_back({Operation::Rect, {}, left, top, right, bottom, colour, {}, {}});
}

void RecordingCanvas::drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour)
{
    m_operations.push_back({Operation::Text, {}, x, y, 0, 0, colour, utf8, font});
}

void RecordingCanvas::replay(Canvas &target) const
{
    for (const auto &op : m_operations) {
        switch (op.kind) {
        case Operation::MapModeChange:
            target.setMapMode(op.mode);
            break;
        case Operation::Rect:
            target.fillRect(op.a, op.b, op.c, op.d, op.colour);
            break;
        case Operation::Text:
            target.drawText(op.a, op.b, op.text, op.font, op.colour);
            break;
        }
    }
}

}  // namespace strilux
