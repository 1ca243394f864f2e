#include "core/errorreport.h"

#include "core/appstate.h"
#include "core/mainwindowlink.h"
#include "system/msgbox.h"
#include "system/process.h"
#include "system/runtime.h"

#include <QWidget>
#include <array>

namespace kg {

namespace {

struct CodeRange {
    const char* from;
    const char* to;
    const char* text; // nullptr: the sound-file text built from g.gsWavFile
};

// Tested in this order; a range covers every code that compares between its ends as a string.
constexpr std::array<CodeRange, 33> kCodes{{
    {"ER001", "ER001", " Unable to detect the Kestrana Gallerion CDROM."},
    {"ER002", "ER002", " Unable to load text file."},
    {"ER008", "ER008", " Unable to load text file."},
    {"ER003", "ER003", " Unable to load Intel Video driver install software."},
    {"ER004", "ER010", " Unable to load text file."},
    {"ER011", "ER011", " Unable to load Slide Show photo."},
    {"ER012", "ER012", " Unable to load photo."},
    {"ER013", "ER019", " Unable to load Slide Show photo or clip art."},
    {"ER020", "ER020", " Error loading text file."},
    {"ER021", "ER021", " Unable to load  Script  for year selected."},
    {"ER022", "ER022", " Unable to load  Nose Emblem  for year selected."},
    {"ER023", "ER023", " Kestrana photo not found for year selected."},
    {"ER024", "ER024", " Kestrana clip art not found for year selected."},
    {"ER025", "ER031", " Unable to load text file."},
    {"ER032", "ER032", nullptr},
    {"ER033", "ER034", " Unable to load text file."},
    {"ER035", "ER035", " Kestrana clip art not found for year selected."},
    {"ER036", "ER036", " 'TO' year may not be earlier than 'FROM' year."},
    {"ER037", "ER037", " Unable to load the photo array."},
    {"ER038", "ER038", " Unable to load the 'Sound Effects' file."},
    {"ER039", "ER039", " Unable to load Slide Show photo."},
    {"ER040", "ER040", " Unable to load file for printing."},
    {"ER041", "ER041", " Unable to load  Rear Emblem for year selected."},
    {"ER042", "ER042", " Unable to load  Side Emblem for year selected."},
    {"ER043", "ER043", " Unable to load text file."},
    {"ER044", "ER044", " Unable to load image."},
    {"ER045", "ER045", " Unable to load Kestrana Movie."},
    {"ER046", "ER048", " Unable to load text file."},
    {"ER049", "ER049", " Unable to find Screen Saver."},
    {"ER050", "ER054", " Unable to load text file."},
    {"ER055", "ER055", " Unable to detect the Kestrana Gallerion CDROM."},
    {"ER056", "ER058", " Unable to load text file."},
    {"ER059", "ER059", " You must select both a Start Year and an End Year. "},
}};

const char* const kRetryCancelCodes[] = {"ER001", "ER037", "ER055"};
const char* const kShortFormCodes[] = {"ER036", "ER059"};

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString ErrorText(const QString& code)
{
    for (const CodeRange& r : kCodes) {
        if (code.compare(QLatin1String(r.from)) >= 0 && code.compare(QLatin1String(r.to)) <= 0) {
            if (r.text)
                return QString::fromLatin1(r.text);
            g.giLoop = int(g.gsWavFile.size()) - 5;
            return QStringLiteral(" Unable to load sound file: ") + g.gsWavFile.mid(5);
        }
    }
    return QString();
}

ErrorBoxKind ErrorKind(const QString& code)
{
    for (const char* c : kRetryCancelCodes)
        if (code == QLatin1String(c))
            return ErrorBoxKind::RetryCancel;
    for (const char* c : kShortFormCodes)
        if (code == QLatin1String(c))
            return ErrorBoxKind::ShortOk;
    return ErrorBoxKind::LongOk;
}

QString ErrorMessage(const QString& code)
{
    QString msg = QStringLiteral("Error number: ") + code + kCrLf + kCrLf + ErrorText(code);
    if (ErrorKind(code) != ErrorBoxKind::ShortOk)
        msg += kCrLf + kCrLf + QStringLiteral("Make sure that the Kestrana Gallerion is in the CDROM drive.");
    return msg;
}

void ReportError()
{
    const QString code = g.gsErrCode;
    g.gsMsg = ErrorMessage(code);
    const QString title = QString::fromLatin1(kErrorTitle);
    if (ErrorKind(code) == ErrorBoxKind::RetryCancel) {
        const int answer = MsgBox(g.gsMsg, mb::RetryCancel, title);
        g.gsAnswer = QString::number(answer);
        if (answer == mb::Cancel)
            EndProgram();
        return;
    }
    MsgBox(g.gsMsg, mb::OKOnly | mb::Critical, title);
    if (Err().Number <= 0) {
        const int next = g.giYear == 48 ? 1 : g.giYear + 1;
        FocusYearButton(next);
    }
    if (QWidget* main = LoadedMainWindow())
        main->setEnabled(true);
}

} // namespace kg
