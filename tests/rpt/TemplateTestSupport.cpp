#include "TemplateTestSupport.h"

#include "TemplateCatalog.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <map>

namespace rpttest {

const celvane::Workbook &generated(const QString &fileName)
{
    static std::map<QString, celvane::Workbook> books;
    const auto found = books.find(fileName);
    if (found != books.end())
        return found->second;
    for (const templates::FormTemplate &form : templates::formTemplates())
        if (form.fileName == fileName)
            return books.emplace(fileName, form.build()).first->second;
    ADD_FAILURE() << "no template " << fileName.toStdString();
    static const celvane::Workbook none;
    return none;
}

const celvane::Worksheet &sheet(const celvane::Workbook &book, const QString &name)
{
    const int index = book.sheetIndex(name);
    if (index < 0) {
        ADD_FAILURE() << "no sheet " << name.toStdString();
        static const celvane::Worksheet none;
        return none;
    }
    return book.sheets[index];
}

QPoint markerCell(const celvane::Worksheet &sheet, const QString &marker)
{
    for (const auto &[number, row] : sheet.rows)
        for (const auto &[column, cell] : row.cells)
            if (cell.isText() && cell.text == marker)
                return {column, number};
    return {};
}

int printedPagesPerCopy(const QString &sheetName)
{
    return sheetName == QStringLiteral("持込機械届") || sheetName == QStringLiteral("持込工具届") ? 2 : 1;
}

bool isOnePageForm(const QString &sheetName)
{
    static const QStringList onePage = {
        QStringLiteral("作業指示書"),     QStringLiteral("安全ミーティング"), QStringLiteral("教育実施"),
        QStringLiteral("足場定期"),       QStringLiteral("足場始業前"),       QStringLiteral("機械定期"),
        QStringLiteral("機械始業前"),     QStringLiteral("工事の通知"),       QStringLiteral("別記第１号様式"),
        QStringLiteral("施工体制台帳１"),
    };
    return onePage.contains(sheetName);
}

QString sourceFolder()
{
    return qEnvironmentVariable("SORVIK_SOURCE_DIR");
}

QString generatorTool()
{
    return qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik-templates");
}

int runGenerator(const QStringList &arguments, QString *errors)
{
    QProcess process;
    process.start(generatorTool(), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace rpttest
