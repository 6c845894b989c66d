// Workbooks as a hostile sender might make them: any bytes as a zip package, or any parts
// laid out in a plain bundle so that mutations reach the XML itself. Reading either refuses
// with a message or gives a workbook; a workbook read must save, read back and print its
// first page without a crash, a hang or runaway memory.
//
// A bundle is "celvane-parts\n" followed by parts, each "\n=== PATH\n" and its bytes.
#include "Celvane.h"
#include "CelvaneError.h"
#include "DocumentRenderer.h"
#include "TemplateFactory.h"
#include "WorkbookParts.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"
#include "ZipArchive.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using namespace celvane;

namespace {

const QByteArray kBundle = "celvane-parts\n";
const QByteArray kPart = "\n=== ";

std::string bundle(const std::map<QString, QByteArray> &parts)
{
    QByteArray out = kBundle;
    for (const auto &[path, bytes] : parts)
        out += kPart + path.toUtf8() + '\n' + bytes;
    return out.toStdString();
}

std::map<QString, QByteArray> unbundle(const QByteArray &bytes)
{
    std::map<QString, QByteArray> parts;
    qsizetype at = bytes.indexOf(kPart);
    while (at >= 0) {
        const qsizetype nameEnd = bytes.indexOf('\n', at + kPart.size());
        if (nameEnd < 0)
            break;
        const qsizetype next = bytes.indexOf(kPart, nameEnd);
        parts[QString::fromUtf8(bytes.mid(at + kPart.size(), nameEnd - at - kPart.size()))]
            = bytes.mid(nameEnd + 1, next < 0 ? -1 : next - nameEnd - 1);
        at = next;
    }
    return parts;
}

std::map<QString, QByteArray> written(const Workbook &book)
{
    std::map<QString, QByteArray> parts;
    for (const ZipArchive::Entry &entry : XlsxWriter::entries(book))
        parts[entry.path] = entry.bytes;
    return parts;
}

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_xlsx";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        (void)new QGuiApplication(argc, argv);  // lives as long as the process
    }
}

Workbook filledRoster()
{
    Celvane engine;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("template.xlsx"));
    TemplateFactory::save(TemplateFactory::roster(), path);
    engine.FileName(path);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    const CelvanePicture photo = CelvaneOlePicture(TemplateFactory::jpeg(12, 16));
    TemplateFactory::fillPeople(
        engine, 12, [&] { engine.Cell(QStringLiteral("**TITLE")).Value(QStringLiteral("作業員名簿")); },
        [&](int person, int row) {
            engine.Cell(QStringLiteral("**NAME"), 0, row).Value(QStringLiteral("山田%1").arg(person));
            engine.Cell(QStringLiteral("**AGE"), 0, row).Value(20 + person);
            engine.Cell(QStringLiteral("**PHOTO"), 0, row).Drawing().AddPicture(photo, 1, 1, std::nullopt, 10);
        });
    engine.Page().Close();
    return engine.finishedDocument();
}

}  // namespace

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    ensureApplication();
    std::vector<std::map<QString, QByteArray>> books
        = {written(TemplateFactory::roster()), written(TemplateFactory::wideRoster()), written(filledRoster())};
    WorkbookParts prefixed;
    prefixed.mainPrefix = QStringLiteral("s");
    prefixed.strings = QStringLiteral("<si><t>山田太郎</t><rPh sb=\"0\" eb=\"2\"><t>ヤマダ</t></rPh></si>");
    prefixed.sheetData = QStringLiteral("<row r=\"1\" ht=\"20\" customHeight=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                                        "<c r=\"B1\" s=\"1\"><v>45383</v></c><c r=\"C1\"><f>B1+1</f><v></v></c></row>");
    prefixed.numberFormats = QStringLiteral("<numFmt numFmtId=\"164\" formatCode=\"[$-411]ggge&quot;年&quot;m&quot;月"
                                            "&quot;d&quot;日&quot;\"/>");
    prefixed.cellFormats
        += QStringLiteral("<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\"/>");
    prefixed.afterData = QStringLiteral("<mergeCells count=\"1\"><mergeCell ref=\"A2:C4\"/></mergeCells>"
                                        "<pageSetup paperSize=\"9\" orientation=\"landscape\"/><rowBreaks count=\"1\">"
                                        "<brk id=\"2\" max=\"16383\" man=\"1\"/></rowBreaks>");
    prefixed.anchors = QStringLiteral(
        "<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row>"
        "<xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>3</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>4</"
        "xdr:row>"
        "<xdr:rowOff>0</xdr:rowOff></xdr:to><xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"円\"/><xdr:cNvSpPr/>"
        "</xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"ellipse\"/><a:ln w=\"19050\"><a:solidFill><a:srgbClr "
        "val=\"FF0000\"/>"
        "</a:solidFill></a:ln></xdr:spPr></xdr:sp><xdr:clientData/></xdr:twoCellAnchor>");
    books.push_back(prefixed.parts());
    for (const auto &parts : books) {
        seeds.push_back(bundle(parts));
        seeds.push_back(WorkbookParts::zip(parts, true).toStdString());
    }
    // Files named on the command line (real workbooks) join as bundles too.
    const size_t given = seeds.size();
    for (size_t i = 0; i < given; ++i) {
        const QByteArray bytes = QByteArray::fromStdString(seeds[i]);
        if (!bytes.startsWith("PK"))
            continue;
        try {
            seeds.push_back(bundle(ZipArchive::read(bytes, QStringLiteral("seed.xlsx"))));
        } catch (const CelvaneError &) {
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Workbook book;
    try {
        const auto parts
            = bytes.startsWith(kBundle) ? unbundle(bytes) : ZipArchive::read(bytes, QStringLiteral("fuzz.xlsx"));
        book = XlsxReader::read(parts, QStringLiteral("fuzz.xlsx"));
    } catch (const CelvaneError &) {
        return 0;  // refused with a message: as it should be
    }
    // What was read saves and reads back; otherwise the input is kept and the run fails.
    try {
        const Workbook again = XlsxReader::read(written(book), QStringLiteral("again.xlsx"));
        if (again.sheets.size() != book.sheets.size())
            throw CelvaneError(QStringLiteral("the sheets changed"));
    } catch (const CelvaneError &error) {
        std::fprintf(stderr, "fuzz_xlsx: a saved workbook does not read back: %s\n", qPrintable(error.message()));
        QFile kept(QStringLiteral("fuzz-unreadable-fuzz_xlsx.bin"));
        if (kept.open(QIODevice::WriteOnly)) {
            kept.write(bytes);
            kept.close();
        }
        std::abort();
    }
    try {
        const DocumentRenderer renderer(book);
        if (renderer.pageCount() > 0)
            (void)renderer.pageImage(0, 6);
    } catch (const CelvaneError &) {
        // too many pages: refused with a message
    }
    return 0;
}
