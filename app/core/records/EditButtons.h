#pragma once

// Which buttons of an editor may be pressed: new, delete, post, cancel and the moves to
// the previous and next record. Kept apart from the window so that an editor's rules can
// decide them without one.
struct EditButtons
{
    bool New = false;
    bool Del = false;
    bool Post = false;
    bool Cancel = false;
    bool Prev = false;
    bool Next = false;
};
