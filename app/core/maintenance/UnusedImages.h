#pragma once

namespace db {
class Transaction;
}

// Removing stored images nothing refers to (menu 未使用の画像を削除). A photo (IMGFL kind
// 0) is in use when its file name is a worker's SAGYOIN.SDFL, a contractor's SDFILE1–4,
// GJFILE1–2 or SIGNFL, a staff member's SHOKU.SDFL or a name card's NMCARD.SDFL; a
// certificate (kind 1) when it is a qualification's INSIKAKU.YOBIS2. The names in use are
// read first and the unused rows deleted by key afterwards, so no row is skipped; one
// commit on the shared transaction, and a failure rolls everything back and goes on.
class UnusedImages
{
public:
    // Deletes the unused rows and returns how many there were.
    static int remove(db::Transaction &transaction);
};
