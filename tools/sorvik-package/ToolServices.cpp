#include "ToolServices.h"

namespace {

QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1String("\n\r"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line.simplified();
}

}  // namespace

sorvik::package::ExportAnswer ToolDialogs::confirmExport(const QStringList &)
{
    return {true, m_plain};
}

sorvik::package::ImportAnswer ToolDialogs::confirmImport(const sorvik::package::ImportReview &review)
{
    return {review.importable, m_overwrite};
}

ToolMessages::ToolMessages()
    : m_previous(MessageService::install(this))
{
}

ToolMessages::~ToolMessages()
{
    MessageService::install(m_previous);
}

void ToolMessages::information(const QString &, const QString &)
{
}

void ToolMessages::warning(const QString &text, const QString &)
{
    for (const QString &line : text.split(QStringLiteral("\n\r")))
        m_warnings << oneLine(line);
}

void ToolMessages::error(const QString &text, const QString &)
{
    m_errors << oneLine(text);
}

bool ToolMessages::question(const QString &, const QString &)
{
    return false;
}

int ToolMessages::finish(int exitCode, QTextStream &err, const QString &fallback) const
{
    if (exitCode == 0) {
        for (const QString &warning : m_warnings)
            err << "sorvik-package: warning: " << warning << "\n";
        return 0;
    }
    const QString reason = !m_errors.isEmpty() ? m_errors.first()
        : !m_warnings.isEmpty()                ? m_warnings.first()
                                               : fallback;
    err << "sorvik-package: " << reason << "\n";
    return exitCode;
}
