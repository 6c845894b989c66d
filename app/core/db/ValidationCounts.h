#pragma once

#include <QString>

namespace db {

// What the engine's validation counted, by kind of damage. Damage that stops the walk
// altogether (a cut-off file, a page of the wrong type where data should be) is not
// counted: it raises db::Error with the engine's message.
struct ValidationCounts
{
    int pages = 0;         // page inventory: orphan or doubly used pages
    int records = 0;       // record structures
    int blobPages = 0;     // blob pages
    int dataPages = 0;     // data pages
    int indexPages = 0;    // index pages
    int pointerPages = 0;  // pointer pages
    int tipPages = 0;      // transaction inventory pages

    int total() const { return pages + records + blobPages + dataPages + indexPages + pointerPages + tipPages; }
    // One line per kind that has errors, as "data page errors: 1".
    QString summary() const;
};

}  // namespace db
