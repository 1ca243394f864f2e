#include "system/msgbox.h"

#include "core/appstate.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kg {

namespace {

std::shared_ptr<MsgBoxService>& Service()
{
    static std::shared_ptr<MsgBoxService> service;
    return service;
}

int FirstButton(int buttons)
{
    switch (buttons & 7) {
    case mb::OKCancel: return mb::OK;
    case mb::AbortRetryIgnore: return mb::Abort;
    case mb::YesNoCancel:
    case mb::YesNo: return mb::Yes;
    case mb::RetryCancel: return mb::Retry;
    default: return mb::OK;
    }
}

class QtMsgBox : public MsgBoxService {
public:
    int show(const MsgBoxCall& call) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(call.title);
        box.setText(call.prompt);
        switch (call.buttons & 0x70) {
        case mb::Critical: box.setIcon(QMessageBox::Critical); break;
        case mb::Question: box.setIcon(QMessageBox::Question); break;
        case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case mb::Information: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        struct B { QMessageBox::StandardButton qt; int code; };
        QList<B> list;
        switch (call.buttons & 7) {
        case mb::OKCancel: list = {{QMessageBox::Ok, mb::OK}, {QMessageBox::Cancel, mb::Cancel}}; break;
        case mb::AbortRetryIgnore:
            list = {{QMessageBox::Abort, mb::Abort}, {QMessageBox::Retry, mb::Retry}, {QMessageBox::Ignore, mb::Ignore}};
            break;
        case mb::YesNoCancel:
            list = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}, {QMessageBox::Cancel, mb::Cancel}};
            break;
        case mb::YesNo: list = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}}; break;
        case mb::RetryCancel: list = {{QMessageBox::Retry, mb::Retry}, {QMessageBox::Cancel, mb::Cancel}}; break;
        default: list = {{QMessageBox::Ok, mb::OK}}; break;
        }
        QMessageBox::StandardButtons buttons;
        for (const B& b : list)
            buttons |= b.qt;
        box.setStandardButtons(buttons);
        box.setDefaultButton(list.first().qt);
        if (call.buttons & mb::SystemModal)
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
        const int result = box.exec();
        for (const B& b : list)
            if (result == b.qt)
                return b.code;
        // Closed with Escape: the box's cancelling answer.
        for (const B& b : list)
            if (b.code == mb::Cancel || b.code == mb::No)
                return b.code;
        return list.first().code;
    }
};

} // namespace

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    auto& service = Service();
    if (!service)
        service = std::make_shared<QtMsgBox>();
    return service->show({prompt, buttons, title.isEmpty() ? QString::fromLatin1(kAppTitle) : title});
}

void SetMsgBoxService(std::shared_ptr<MsgBoxService> service)
{
    Service() = std::move(service);
}

int ScriptedMsgBox::show(const MsgBoxCall& call)
{
    shown.append(call);
    if (onShow)
        onShow(call);
    if (m_answers.isEmpty())
        return FirstButton(call.buttons);
    return m_answers.takeFirst();
}

} // namespace kg
