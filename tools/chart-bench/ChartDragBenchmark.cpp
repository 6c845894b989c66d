// Drags a selection of boxes across diagrams of growing size. A pointer move only erases and
// redraws the ghosts of the moving boxes, so its cost must follow the selection, not the diagram.
//
//   QT_QPA_PLATFORM=offscreen build/bin/sorvik-chart-bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <memory>

#include "TItemBase.h"
#include "TLayoutBase.h"

namespace {

constexpr int kCell = 130;
constexpr int kColumns = 20;  // column 0 is the fixed band

// A diagram of `boxes` boxes filling columns 1.. row by row, shown off-screen, with a block
// of `selected` boxes (ten per row, from column 2) selected.
class Diagram
{
public:
    Diagram(int boxes, int selected)
    {
        const int perRow = kColumns - 1;
        const int rows = (boxes + perRow - 1) / perRow + 2;
        m_layout.BeginUpdate();
        m_layout.SetColWidth(kCell);
        m_layout.SetRowHeight(kCell);
        m_layout.SetColCount(kColumns);
        m_layout.SetRowCount(rows);
        m_layout.SetPageRows(4);
        m_layout.SetFixedCols(1);
        m_layout.SetFixedColor(ChartColor(0xC0DCC0));
        m_layout.SetBackColor(ChartColor(0x000080));
        m_layout.SetLinkColor(ChartColor(0x000000));
        m_layout.SetPageLineColor(ChartColor(0x008000));
        m_layout.resize(kCell * kColumns, kCell * rows);
        m_layout.SetBitmapSize(kCell * kColumns, kCell * rows);
        TItemBase *previous = nullptr;
        for (int i = 0; i < boxes; ++i) {
            auto box = std::make_unique<TItemBase>(m_layout);
            box->SetCaption(QStringLiteral("Box %1").arg(i + 1));
            TItemBase *placed = box.get();
            m_layout.Items().Add(nullptr, std::move(box));
            placed->SetColumn(1 + i % perRow);
            placed->SetRow(i / perRow);
            placed->SetParentItem(i % perRow ? previous : nullptr);
            previous = placed;
        }
        m_layout.EndUpdate();
        for (int i = 0; i < selected; ++i)
            m_layout.Selection().Add(m_layout.ItemAt(2 * kCell + (i % 10) * kCell + 60, (i / 10) * kCell + 60));
        m_layout.move(0, 0);
        m_layout.show();
        QCoreApplication::processEvents();
    }

    TLayoutBase &Layout() { return m_layout; }

    void Send(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, m_layout.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_layout, &event);
    }

private:
    TLayoutBase m_layout;
};

// Presses on the selection and moves the pointer to and fro between two cells; every move
// shifts all 50 ghosts by one cell.
void DragMoves(benchmark::State &state, bool paint)
{
    Diagram diagram(int(state.range(0)), 50);
    const QPoint grab(2 * kCell + 60, 60);
    diagram.Send(QEvent::MouseButtonPress, grab);
    QCoreApplication::processEvents();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        diagram.Send(QEvent::MouseMove, grab + QPoint(right ? kCell : 0, kCell));
        if (paint)
            QCoreApplication::processEvents();
    }
    diagram.Send(QEvent::MouseButtonRelease, grab);
    state.counters["boxes"] = double(state.range(0));
    state.counters["moving"] = double(diagram.Layout().Selection().Count());
}

void BM_DragMove(benchmark::State &state)
{
    DragMoves(state, false);
}
void BM_DragMoveAndShow(benchmark::State &state)
{
    DragMoves(state, true);
}

// For comparison: what a move would cost if it repainted the diagram.
void BM_FullRedraw(benchmark::State &state)
{
    Diagram diagram(int(state.range(0)), 50);
    for (auto _ : state)
        diagram.Layout().Redraw();
}

// A drop of the 50 boxes one cell down and back: one repaint of the whole diagram.
void BM_Drop(benchmark::State &state)
{
    Diagram diagram(int(state.range(0)), 50);
    const QPoint grab(2 * kCell + 60, 60);
    bool down = false;
    for (auto _ : state) {
        down = !down;
        const QPoint from = grab + QPoint(0, down ? 0 : kCell);
        const QPoint to = grab + QPoint(0, down ? kCell : 0);
        diagram.Send(QEvent::MouseButtonPress, from);
        diagram.Send(QEvent::MouseMove, to);
        diagram.Send(QEvent::MouseButtonRelease, to);
    }
}

}  // namespace

BENCHMARK(BM_DragMove)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragMoveAndShow)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedraw)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drop)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
