#include "EngineerChartDocument.h"

#include "Celvane.h"
#include "ChartConnector.h"
#include "ChartLines.h"
#include "dates/EraCalendar.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"
#include "framework/StoredPicture.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

namespace {

constexpr int kEngineOption304 = 304;
// The certificate's room in a block, in the engine's drawing units.
const QSizeF kCertificateBox(36, 34);
// The block of print row 1, column 1, in sheet columns and rows.
constexpr int kBlockLeft = 11, kBlockTop = 5, kBlockRight = 18, kBlockBottom = 19;
// The label cells stand four columns left of their values.
constexpr int kLabel = -4;

const QString kCompany = QStringLiteral("**CPNM");
const QString kEngineer = QStringLiteral("**SNNM");
const QString kBorn = QStringLiteral("**SNDT");
const QString kCertificate = QStringLiteral("**SDFILE");

}  // namespace

EngineerChartDocument::EngineerChartDocument(TDataModule1 &data, PrintSettings settings, ChartPrintConfig config,
                                             EngineerChartChoices choices)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_config(std::move(config))
    , m_choices(std::move(choices))
    , m_grid(m_config.chartRows, m_config.printRows)
{
}

void EngineerChartDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, m_config.templateFile);
    engine.Options().Set(kEngineOption304, 6);
    writer.Begin();
    writer.Open(SheetName, QStringLiteral("1"));

    const QList<ChartPrintBox> boxes
        = ChartPrintRows::Boxes(m_data.IBTransaction1, m_choices.kojiCode, m_choices.chartDate);
    m_byCode.clear();
    const ChartPrintBox *prime = nullptr;
    for (const ChartPrintBox &box : boxes) {
        m_byCode.insert(box.gyoCode, box);
        if (box.tier == 0 && !prime)
            prime = &box;
    }

    int page = 1;
    int blocksOnPage = 0;
    for (const ChartPrintBox &box : boxes) {
        if (box.tier == 0)
            continue;
        const PrintPlace place = m_grid.Place(box.cell);
        while (page < place.Page) {
            if (blocksOnPage == 0)
                WriteHead(writer, prime);
            writer.NewPage();
            ++page;
            blocksOnPage = 0;
        }
        if (blocksOnPage == 0)
            WriteHead(writer, prime);
        WriteBlock(writer, box);
        ++blocksOnPage;
    }
    writer.Close();
    m_written = writer.written();
}

void EngineerChartDocument::WriteHead(MarkerWriter &writer, const ChartPrintBox *prime)
{
    writer.SetRows(1, m_grid.PageLastRow());
    writer.Value(QStringLiteral("**PRDT"),
                 EraCalendar::format(m_choices.printDate, QStringLiteral("gg e年m月d日")) + QStringLiteral(" 作成"));
    writer.Value(QStringLiteral("**KJNM0"),
                 ChartPrintRows::ProjectName(m_data.IBTransaction1, m_choices.kojiCode, m_choices.chartDate));
    if (!prime)
        return;
    const std::optional<ContractorParticulars> particulars
        = ChartPrintRows::Particulars(m_data.IBTransaction1, m_choices.kojiCode, prime->gyoCode, m_choices.chartDate);
    if (!particulars)
        return;
    const QString engineer = QStringLiteral("**KRNM0");
    writer.Value(QStringLiteral("**CPNM0"), particulars->company);
    writer.Value(engineer, particulars->engineer);
    if (particulars->engineerTitle == QStringLiteral("主任"))
        writer.Value(engineer, QStringLiteral("主任技術者"), kLabel, 0);
    writer.Value(QStringLiteral("**SNDT0"), DocumentValues::EraShort(particulars->engineerBorn));
    StoredPicture(m_data).place(writer, QStringLiteral("**SDFILE0"), particulars->certificate, kCertificateBox);
}

void EngineerChartDocument::WriteBlock(MarkerWriter &writer, const ChartPrintBox &box)
{
    const PrintPlace place = m_grid.Place(box.cell);
    const int x = place.X(), y = place.Y();
    writer.Value(kCompany, box.name, x, y);

    const int colour = ChartLines::ColourIndex(box.colour, box.colourIsNull);
    celvane::Celvane &engine = writer.engine();
    engine.Range(kBlockLeft + x, kBlockTop + y, kBlockRight + x, kBlockBottom + y)
        .Format()
        .Frame(1, ChartLines::Line(1, colour));
    if (const std::optional<int> style = ChartLines::FrameStyle(box.frameStyle))
        engine.Range(kBlockLeft + x, kBlockTop + y, kBlockRight + x, kBlockBottom + y)
            .Format()
            .Frame(0, ChartLines::Line(*style, colour));

    if (m_choices.linkLines)
        DrawConnector(writer, box, place);

    if (const std::optional<ContractorParticulars> particulars
        = ChartPrintRows::Particulars(m_data.IBTransaction1, m_choices.kojiCode, box.gyoCode, m_choices.chartDate))
        WriteParticulars(writer, *particulars, colour, x, y);
}

void EngineerChartDocument::WriteParticulars(MarkerWriter &writer, const ContractorParticulars &particulars, int colour,
                                             int x, int y)
{
    writer.Value(kCompany, particulars.company, x, y);
    // An empty name is struck through with a hair line when the configuration asks for it.
    if (particulars.engineer.isEmpty() && m_config.slash)
        writer.Format(kEngineer, x, y).Diagonal(ChartLines::Line(ChartLines::HairStyle, colour));
    else
        writer.Value(kEngineer, particulars.engineer, x, y);
    if (particulars.siteManager)
        writer.Value(kEngineer, QStringLiteral("現場責任者"), x + kLabel, y);
    writer.Value(kBorn, DocumentValues::EraShort(particulars.engineerBorn), x, y);

    // A ring around the matching word the template prints.
    const QVariantList ring{celvane::CelvaneDrawing::kEllipse, {}, {}, {}, {}, {}, 2};
    if (particulars.fullTime == QStringLiteral("専任"))
        writer.Drawing(kBorn, x + kLabel, y + 1).AddShape(8, 0, 12, 4, ring);
    else if (particulars.fullTime == QStringLiteral("非専任"))
        writer.Drawing(kBorn, x + kLabel, y + 1).AddShape(22, 0, 14, 4, ring);

    StoredPicture(m_data).place(writer, kCertificate, particulars.certificate, kCertificateBox, x + 1, y + 1);
}

void EngineerChartDocument::DrawConnector(MarkerWriter &writer, const ChartPrintBox &child, const PrintPlace &place)
{
    const auto parent = m_byCode.constFind(child.parentCode);
    if (parent == m_byCode.cend())
        return;
    PrintPlace parentPlace = m_grid.Place(parent->cell);
    // The prime contractor heads every page.
    if (parent->tier == 0)
        parentPlace.Page = place.Page;
    for (const ConnectorEdge &edge : ChartConnector(place, parentPlace, m_grid.PrintRows()).Edges()) {
        celvane::CelvaneFormat format = writer.Format(kCompany, edge.x, edge.y);
        switch (edge.side) {
        case ConnectorEdge::Side::Top:
            format.TopLine(ChartLines::Thin);
            break;
        case ConnectorEdge::Side::Left:
            format.LeftLine(ChartLines::Thin);
            break;
        case ConnectorEdge::Side::Right:
            format.RightLine(ChartLines::Thin);
            break;
        }
    }
}

}  // namespace sorvik::documents
