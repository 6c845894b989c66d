#include "DocumentCommand.h"

#include <algorithm>

namespace {

// Filled while the program starts, before main(): a function's own static is made on
// first use, whichever document's registration comes first.
std::vector<DocumentCommand> &registry()
{
    static std::vector<DocumentCommand> commands;
    return commands;
}

}  // namespace

void DocumentCommands::add(DocumentCommand command)
{
    std::vector<DocumentCommand> &commands = registry();
    const auto place = std::lower_bound(commands.begin(), commands.end(), command.name,
                                        [](const DocumentCommand &a, const QString &name) { return a.name < name; });
    commands.insert(place, std::move(command));
}

const std::vector<DocumentCommand> &DocumentCommands::all()
{
    return registry();
}

const DocumentCommand *DocumentCommands::find(const QString &name)
{
    for (const DocumentCommand &command : registry())
        if (command.name == name)
            return &command;
    return nullptr;
}
