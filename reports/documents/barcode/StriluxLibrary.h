#pragma once

#include <QString>
#include <memory>

namespace sorvik::documents {

class StriluxControl;

// Loads the Strilux library at run time and creates its control by class id through
// DllGetClassObject, as a component container does; the program links nothing of it. A
// loaded library stays loaded for the rest of the run, since its objects may outlive any
// one window.
class StriluxLibrary
{
public:
    // libstrilux.so in the program's library folder (../lib beside bin), beside the
    // program, or wherever the system's loader finds it.
    static QString defaultPath();

    // A new control, or nullptr with `problem` saying in the user's words why not (no
    // library, a file that is no such library, a control it cannot make).
    static std::unique_ptr<StriluxControl> createControl(const QString &path, QString &problem);
};

}  // namespace sorvik::documents
