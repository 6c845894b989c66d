#pragma once

#include "BoundControl.h"
#include "bases/TImageFrame.h"

// The picture box bound to a column holding a stored image's file name (SDFL, SDFILE1,
// YOBIS2). Whenever the record changes, the named image is fetched from the store into
// the frame's folder and shown. Registering or clearing an image puts the record into
// edit first, then writes the new name at once, so on an empty table the new record
// the edit brings holds the image too. The buttons work only while the field can change.
class DBImageFrame : public TImageFrame, public BoundControl
{
    Q_OBJECT
public:
    explicit DBImageFrame(QWidget *parent = nullptr);

private:
    void reload();
    void imageChanged();
};
