#pragma once
// The single error reporter: turns the code in g.gsErrCode into its message box.
#include <QString>

namespace kg {

// The text of a code (" Unable to load photo." …); empty for a code outside the table.
QString ErrorText(const QString& code);

enum class ErrorBoxKind { RetryCancel, ShortOk, LongOk };
ErrorBoxKind ErrorKind(const QString& code);

// The whole message for a code, as the box shows it.
QString ErrorMessage(const QString& code);

// Shows the box for g.gsErrCode.  Retry/Cancel kind: stores the answer in g.gsAnswer and
// ends the program on Cancel.  OK kind: afterwards, unless a run-time failure is being
// handled, the focus goes to the year button after the selected one, and the main window
// is enabled again.
void ReportError();

} // namespace kg
