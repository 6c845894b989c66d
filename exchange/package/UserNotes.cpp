#include "UserNotes.h"

#include "messages/MessageService.h"

namespace sorvik::package {

namespace {

constexpr qsizetype kShownNotes = 20;

}  // namespace

void warnUser(const QStringList &notes)
{
    if (notes.isEmpty())
        return;
    QStringList shown = notes.mid(0, kShownNotes);
    if (notes.size() > kShownNotes)
        shown << QStringLiteral("ほか %1 件").arg(notes.size() - kShownNotes);
    MessageService::current().warning(shown.join(QStringLiteral("\n\r")));
}

}  // namespace sorvik::package
