#pragma once
// Ending the program, the single-instance lock, and running a program to its end.
#include <QString>
#include <functional>

namespace kg {

// Ends the program at once: every window closes and no further handler runs.  In the
// program this never returns.  Tests install a hook instead, which records the call and
// returns; every caller therefore returns right after calling it.
void EndProgram();
bool EndProgramCalled();
void SetEndProgramHook(std::function<void()> hook);
void ResetEndProgram();

// Takes the lock that marks this program as running (a lock file in the runtime folder,
// $XDG_RUNTIME_DIR or the temporary folder).  Returns false when another running copy
// holds it.  A lock left behind by a copy that died is taken over.
bool AcquireInstanceLock();
void ReleaseInstanceLock();
QString InstanceLockPath();

// Starts the command line as a new process and waits for its exit, letting pending window
// events run between polls.  Returns the exit code (-1 when it could not start).
int ShellAndWait(const QString& commandLine);

} // namespace kg
