#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace celvane {
class Celvane;
}

class PrintJob;

// A document that sorvik-print makes. Each document registers its command in a file of its
// own (RosterCommands.cpp and the like) with a DocumentRegistration, so that a new
// document joins the tool by adding one file.
struct DocumentCommand
{
    QString name;     // the command word: "roster"
    QString summary;  // the --list line
    QString options;  // what the command needs besides --db and the output file
    // Fills the engine through the document class the report window uses, from FileName
    // to Page.Close.
    std::function<void(PrintJob &job, celvane::Celvane &engine)> build;
};

class DocumentCommands
{
public:
    static void add(DocumentCommand command);
    // In the order of their names.
    static const std::vector<DocumentCommand> &all();
    static const DocumentCommand *find(const QString &name);
};

struct DocumentRegistration
{
    explicit DocumentRegistration(DocumentCommand command) { DocumentCommands::add(std::move(command)); }
};
