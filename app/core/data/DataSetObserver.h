#pragma once

// What a data source tells the controls and windows linked to it. These are plain calls,
// not Qt signals: a control that cannot write its value, or a window whose commit fails,
// throws, and the exception reaches whoever asked the dataset to post, move or open.
//
//   DataSetStateChanged      the dataset opened, closed, or went into or out of edit/insert
//   DataSetDataChanged(f)    field f of the current row changed; -1: the whole record (a
//                            move, an open, a cancel, a refresh)
//   DataSetUpdatingRecord    a post is about to run (or the window asks for pending input):
//                            a control holding typed text that is not yet in its field
//                            writes it now
//   DataSetPosted            a post was written and its AfterPost handler has run
//   DataSourceDestroyed      the data source goes away; forget it, call nothing on it
class DataSetObserver
{
public:
    virtual ~DataSetObserver() = default;

    virtual void DataSetStateChanged() { }
    virtual void DataSetDataChanged(int field) { }
    virtual void DataSetUpdatingRecord() { }
    virtual void DataSetPosted() { }
    virtual void DataSourceDestroyed() { }
};
