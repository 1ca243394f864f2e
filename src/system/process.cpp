#include "system/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace kg {

namespace {

std::function<void()>& Hook()
{
    static std::function<void()> hook;
    return hook;
}
bool g_endCalled = false;

std::unique_ptr<QLockFile>& Lock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

void EndProgram()
{
    g_endCalled = true;
    if (Hook()) {
        Hook()();
        return;
    }
    ReleaseInstanceLock();
    std::fflush(nullptr);
    ::_exit(0);
}

bool EndProgramCalled() { return g_endCalled; }

void SetEndProgramHook(std::function<void()> hook) { Hook() = std::move(hook); }

void ResetEndProgram() { g_endCalled = false; }

QString InstanceLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/kestrana-gallerion.lock");
}

bool AcquireInstanceLock()
{
    auto& lock = Lock();
    if (lock && lock->isLocked())
        return true;
    lock = std::make_unique<QLockFile>(InstanceLockPath());
    lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    if (lock->tryLock(0))
        return true;
    if (lock->error() == QLockFile::LockFailedError)
        return false;
    // The runtime folder cannot hold a lock: run without one rather than not at all.
    return true;
}

void ReleaseInstanceLock()
{
    auto& lock = Lock();
    if (lock)
        lock->unlock();
    lock.reset();
}

int ShellAndWait(const QString& commandLine)
{
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty())
        return -1;
    const QString program = args.takeFirst();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return -1;
    while (process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        process.waitForFinished(20);
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace kg
