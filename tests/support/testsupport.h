#pragma once
// Shared test set-up: a temporary content disc from the sample-disc writer, a temporary
// settings folder and program folder, the scripted message boxes and an observable
// EndProgram.
#include "system/msgbox.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kgtest {

// Writes the small sample disc into `folder`; false on error.
bool WriteSmallDisc(const QString& folder);

// The folder of the small disc shared by the tests of one program (written once).
QString SharedSmallDisc();

class Environment {
public:
    // Resets the application state, installs the scripted boxes and the EndProgram hook,
    // points settings and the program folder at temporary folders, and maps the shared
    // small disc as drive E: (or no drives at all).
    explicit Environment(bool withDisc = true);
    ~Environment();

    QString discFolder() const { return m_disc; }
    QString programFolder() const { return m_program.path(); }
    QString configFolder() const { return m_config.path(); }
    std::shared_ptr<kg::ScriptedMsgBox> boxes;
    int endCalls = 0;

    // Maps drive letters, e.g. "E=/x;F=/y".
    static void SetDrives(const QString& table);

private:
    QString m_disc;
    QTemporaryDir m_program;
    QTemporaryDir m_config;
};

} // namespace kgtest
