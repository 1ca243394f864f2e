#pragma once
// The message-box service.  Buttons and icons combine as the classic flags; answers are the
// classic codes.  Tests install a scripted double that answers from a queue and records every
// box it was shown.
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace kg {

namespace mb {
inline constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4,
                     RetryCancel = 5;
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
inline constexpr int SystemModal = 4096;
inline constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
} // namespace mb

struct MsgBoxCall {
    QString prompt;
    int buttons = 0;
    QString title;
};

class MsgBoxService {
public:
    virtual ~MsgBoxService() = default;
    virtual int show(const MsgBoxCall& call) = 0;
};

// Shows a box; an empty title means the application title.
int MsgBox(const QString& prompt, int buttons = mb::OKOnly, const QString& title = QString());

// Replaces the service (tests); nullptr restores the real boxes.
void SetMsgBoxService(std::shared_ptr<MsgBoxService> service);

// The double: answers from a queue (an empty queue gives the box's first button) and records.
class ScriptedMsgBox : public MsgBoxService {
public:
    int show(const MsgBoxCall& call) override;
    void answer(int code) { m_answers.append(code); }
    QList<MsgBoxCall> shown;
    // Called with each box before it answers (e.g. to inspect focus or windows).
    std::function<void(const MsgBoxCall&)> onShow;

private:
    QList<int> m_answers;
};

} // namespace kg
