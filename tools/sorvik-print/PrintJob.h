#pragma once

#include "config/IniFile.h"
#include "framework/PrintSettings.h"
#include "program/DataModule1.h"

#include <QDate>
#include <QHash>
#include <QStringList>
#include <memory>
#include <stdexcept>

// A wrong command line: sorvik-print shows its usage and ends with 2.
struct PrintUsageError
{
    QString problem;
};

// Anything else that keeps a document from being made: one line, exit 1.
struct PrintFailure : std::runtime_error
{
    explicit PrintFailure(const QString &problem)
        : std::runtime_error(problem.toStdString())
    {
    }
};

// One run of sorvik-print: the options, the database opened as the program opens it, the
// settings the documents read, and the answers every document asks of them.
class PrintJob
{
public:
    // Reads the options; throws PrintUsageError.
    explicit PrintJob(const QStringList &arguments);

    // Opens the database of --db and reads the settings (--ini, or the defaults).
    void start(const QString &templateFolder);

    const QStringList &positional() const { return m_positional; }
    QString option(const char *name) const { return m_options.value(QLatin1String(name)); }
    QString required(const char *name) const;
    QString project() const { return required("--project"); }
    // --date, or today as the windows' date boxes start.
    QDate date() const;

    struct Contractor
    {
        QString gyoCode;
        QString label;  // its node text in the construction-system tree
        int level = 0;
    };
    // The contractor of --contractor as the construction system of --project holds it on
    // the job's date; PrintFailure when it is not in it.
    Contractor contractor();

    // What the windows would have shown in a message box, printed on standard error.
    QStringList warnings;

    TDataModule1 data;
    sorvik::documents::PrintSettings settings;
    // The settings file of --ini, for the documents that read more of it; none without.
    std::unique_ptr<IniFile> ini;

private:
    QStringList m_positional;
    QHash<QString, QString> m_options;
};
