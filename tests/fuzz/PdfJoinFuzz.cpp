// PDF parts with any bytes in them, joined with a good part before and after. The join
// refuses with a message or gives a file whose table a strict reader accepts; it never
// crashes, hangs or reads past a part's end.
#include "CelvaneError.h"
#include "HandMadePdf.h"
#include "PdfJoiner.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace celvane;

namespace {

void join(const std::vector<QByteArray> &parts)
{
    QByteArray joined;
    try {
        joined = PdfJoiner::join(parts);
    } catch (const CelvaneError &) {
        return;
    }
    if (const QString problem = HandMadePdf::tableProblem(joined); !problem.isEmpty()) {
        std::fprintf(stderr, "joined file has a broken table: %s\n", qPrintable(problem));
        std::abort();
    }
}

// Two pages of text, a line and a filled box as Qt's writer writes them.
QByteArray writtenByQt()
{
    static int argc = 1;
    static char name[] = "fuzz_pdf";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        (void)new QGuiApplication(argc, argv);  // lives as long as the process
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("台帳 (1)"));
    QPainter painter(&writer);
    for (int page = 0; page < 2; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(QPointF(200, 400), QStringLiteral("作業員名簿 %1").arg(page + 1));
        painter.drawLine(100, 500, 2000, 500);
        painter.fillRect(QRect(100, 600, 400, 200), Qt::darkCyan);
    }
    painter.end();
    return bytes;
}

}  // namespace

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    seeds.push_back(HandMadePdf::onePage().toStdString());
    seeds.push_back(writtenByQt().toStdString());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray part(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray good = HandMadePdf::onePage();
    join({good, part});
    join({part, good, part});
    return 0;
}
