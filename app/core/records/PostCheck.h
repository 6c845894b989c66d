#pragma once

#include <QString>
#include <functional>

class DataSet;

// One check of a post: when `passes` is false for the record, the post stops with
// `message` and the focus goes to the control of `column`.
struct PostCheck
{
    QString column;
    QString message;
    std::function<bool(DataSet &record)> passes;
};

// The column must not be empty.
PostCheck Required(const QString &column, const QString &message);
