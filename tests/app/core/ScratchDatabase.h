#pragma once

#include "db/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh, empty embedded database in a folder of its own that disappears with the test.
class ScratchDatabase
{
public:
    ScratchDatabase()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        db::Database::create(path());
    }

    QString path() const { return m_dir.filePath(QStringLiteral("test.fdb")); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
