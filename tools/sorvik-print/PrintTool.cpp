#include "PrintTool.h"

#include "Celvane.h"
#include "CelvaneError.h"
#include "DocumentCommand.h"
#include "DocumentRenderer.h"
#include "PrintJob.h"
#include "db/Error.h"
#include "messages/MessageService.h"

#include <QFileInfo>

namespace {

// What the windows would show in message boxes goes to the job's warnings.
class JobMessages : public MessageService
{
public:
    explicit JobMessages(QStringList &lines)
        : m_lines(lines)
        , m_previous(MessageService::install(this))
    {
    }
    ~JobMessages() override { MessageService::install(m_previous); }

    void information(const QString &text, const QString &) override { m_lines << text; }
    void warning(const QString &text, const QString &) override { m_lines << text; }
    void error(const QString &text, const QString &) override { m_lines << text; }
    bool question(const QString &, const QString &) override { return false; }

private:
    QStringList &m_lines;
    MessageService *m_previous;
};

void usage(QTextStream &err)
{
    err << "usage: sorvik-print --list\n"
           "       sorvik-print DOCUMENT --db PATH OPTIONS OUT.pdf|OUT.xlsx\n";
    for (const DocumentCommand &command : DocumentCommands::all())
        err << "       sorvik-print " << command.name << " --db PATH " << command.options << " OUT\n";
}

QString oneLine(QString text)
{
    return text.replace(QStringLiteral("\n\r"), QStringLiteral(" ")).replace(u'\n', u' ');
}

void save(celvane::Celvane &engine, const QString &output)
{
    if (output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        celvane::DocumentRenderer(engine.finishedDocument()).savePdf(output, QFileInfo(output).completeBaseName());
    else
        engine.saveAs(output);
}

int run(const QStringList &arguments, const QString &templateFolder, QTextStream &out, QTextStream &err)
{
    if (arguments == QStringList{QStringLiteral("--list")}) {
        for (const DocumentCommand &command : DocumentCommands::all())
            out << command.name << '\t' << command.summary << '\n';
        return 0;
    }
    PrintJob job(arguments);
    const QStringList &words = job.positional();
    if (words.size() != 2)
        throw PrintUsageError{QStringLiteral("name one document and one output file")};
    const DocumentCommand *command = DocumentCommands::find(words[0]);
    if (!command)
        throw PrintUsageError{QStringLiteral("no document ") + words[0] + QStringLiteral(" (see --list)")};
    const QString output = words[1];
    if (!output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
        && !output.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        throw PrintUsageError{QStringLiteral("the output is a .pdf or an .xlsx file, not ") + output};

    JobMessages messages(job.warnings);
    job.start(templateFolder);
    celvane::Celvane engine;
    command->build(job, engine);
    save(engine, output);
    for (const QString &warning : job.warnings)
        err << "sorvik-print: " << oneLine(warning) << '\n';
    return 0;
}

}  // namespace

int RunPrintTool(const QStringList &arguments, const QString &templateFolder, QTextStream &out, QTextStream &err)
{
    try {
        return run(arguments, templateFolder, out, err);
    } catch (const PrintUsageError &error) {
        err << "sorvik-print: " << error.problem << '\n';
        usage(err);
        return 2;
    } catch (const celvane::CelvaneError &error) {
        err << "sorvik-print: " << oneLine(error.message()) << '\n';
    } catch (const db::Error &error) {
        err << "sorvik-print: " << oneLine(error.message()) << '\n';
    } catch (const std::exception &error) {
        err << "sorvik-print: " << oneLine(QString::fromUtf8(error.what())) << '\n';
    }
    return 1;
}
