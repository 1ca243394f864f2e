#include "testsupport.h"

#include "core/appstate.h"
#include "system/paths.h"
#include "system/process.h"
#include "system/screen.h"

#include <QProcess>
#include <QTest>

namespace kgtest {

bool WriteSmallDisc(const QString& folder)
{
    QProcess p;
    p.start(QStringLiteral(KG_SAMPLEDISC), {QStringLiteral("--small"), folder});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("sample disc writer failed: %s", p.readAllStandardError().constData());
        return false;
    }
    return true;
}

QString SharedSmallDisc()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        written = true;
        if (!WriteSmallDisc(dir.path()))
            qFatal("cannot write the sample disc");
    }
    return dir.path();
}

void Environment::SetDrives(const QString& table)
{
    qputenv("KESTRANA_DRIVES", table.toLocal8Bit());
    kg::ResetDriveTable();
}

Environment::Environment(bool withDisc)
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_config.path().toLocal8Bit());
    kg::ResetAppState();
    kg::ResetEndProgram();
    kg::SetProgramFolderForTesting(m_program.path());
    kg::SetScreenSizeForTesting(0, 0);
    boxes = std::make_shared<kg::ScriptedMsgBox>();
    kg::SetMsgBoxService(boxes);
    kg::SetEndProgramHook([this] { ++endCalls; });
    if (withDisc) {
        m_disc = SharedSmallDisc();
        SetDrives(QStringLiteral("E=") + m_disc);
    } else {
        SetDrives(QString());
    }
}

Environment::~Environment()
{
    kg::ReleaseInstanceLock();
    kg::SetMsgBoxService(nullptr);
    kg::SetEndProgramHook(nullptr);
    kg::SetProgramFolderForTesting(QString());
    kg::SetScreenSizeForTesting(0, 0);
    kg::SetMousePointer(kg::Pointer::Default);
}

} // namespace kgtest
