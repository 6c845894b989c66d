#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace sorvik::package {

// The files an archive left directly in a work folder, found by name in any letter case
// (peers on Windows write "RECORD.CSV" as well as "record.csv", and name image files in
// rows without regard to case). Only regular files count; nothing below the folder is
// ever looked at.
class PackageFolder
{
public:
    explicit PackageFolder(const QString &folder);

    const QString &folder() const { return m_folder; }
    bool contains(const QString &name) const { return m_paths.contains(name.toUpper()); }
    // The file's path, or empty when the folder holds no such file.
    QString path(const QString &name) const { return m_paths.value(name.toUpper()); }
    // The file's bytes, or nullopt when it is missing or unreadable.
    std::optional<QByteArray> read(const QString &name) const;

private:
    QString m_folder;
    QHash<QString, QString> m_paths;  // upper-case name → path
};

}  // namespace sorvik::package
