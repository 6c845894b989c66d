#pragma once

#include <QString>

namespace sorvik::package {

// One of the work folders under the program folder: "Temp" assembles or unpacks one
// package, "EXT" a unit file, "Work" a roster package. It is emptied (or created) when
// taken and emptied again when released, so nothing of one exchange is left for the
// next, whichever way the first one ended.
class WorkFolder
{
public:
    WorkFolder(const QString &appDir, const QString &name);
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    // False when the folder could not be created or emptied; the user has been told which.
    bool ready() const { return m_ready; }
    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

private:
    QString m_path;
    bool m_ready = false;
};

inline const QString kTempFolder = QStringLiteral("Temp");
inline const QString kUnitFolder = QStringLiteral("EXT");
inline const QString kRosterFolder = QStringLiteral("Work");

}  // namespace sorvik::package
