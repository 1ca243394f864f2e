#include "browser/stepping.h"

#include "browser/hooks.h"
#include "browser/photodisplay.h"
#include "browser/selection.h"
#include "controls/panel3d.h"
#include "core/appstate.h"
#include "core/errorreport.h"
#include "core/form1.h"
#include "system/runtime.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace kg {

namespace {

const QString kPhotoFolder = QStringLiteral("\\kestranas\\");

Form1& F()
{
    return *MainWindow();
}

void NormaliseYearCode()
{
    if (g.gsCatCode == QLatin1String("00"))
        g.gsCatCode = QStringLiteral("A0");
    else if (g.gsCatCode == QLatin1String("01"))
        g.gsCatCode = QStringLiteral("A1");
}

void SetNamePos()
{
    g.giNamePos = int(g.gsPhotos(1).indexOf(kPhotoFolder)) + 1;
}

QString CodeOf(const QString& path)
{
    return path.mid(g.giNamePos + 10, 2);
}

// Shows catalogue entry i: picture, number within its run, and file name.
void ShowPhoto(int i)
{
    ShowPhotoInImage4(i);
    F().panPhoto()->setCaption(g.gsPhotoNum(i));
    if (g.gbShowNames)
        F().txtFile()->setText(g.gsPhotos(i).mid(g.giNamePos + 10, 12));
    g.gsPhotoFile = g.gsPhotos(i);
}

void AfterStep()
{
    FocusAfterStep();
    if (F().rtbDetails()->isVisible())
        ShowPhotoDetails();
    UpdateScreenSaverButtons();
}

// Runs a step; a run-time failure is reported with the step's code and ends the step.
bool Trapped(const char* code, const std::function<void()>& body)
{
    return Trap(body, [code] {
        g.gsErrCode = QLatin1String(code);
        ReportError();
    });
}

} // namespace

void FocusAfterStep()
{
    Form1& f = F();
    const QString& code = g.gsCatCode;
    int target;
    if (code == QLatin1String("A0")) {
        target = 48;
    } else if (code == QLatin1String("A1")) {
        f.yearButton(1)->setEnabled(true);
        target = 1;
    } else if (code > QLatin1String("99")) {
        target = 1;
    } else {
        const int value = code.toInt();
        target = code < QLatin1String("84") ? value - 51 : value - 52;
    }
    if (QPushButton* b = f.yearButton(target))
        b->setFocus();
}

void NextPhoto()
{
    if (!MainWindow())
        return;
    for (int pass = 0; pass < 2; ++pass) {
        if (SelectionCaption() == QLatin1String("panYear")) {
            F().yearButton(1)->setEnabled(true);
            F().yearButton(1)->setFocus();
            return;
        }
        if (g.gbStepBack) {
            g.gbStepBack = false;
            ++g.giPhoto;
        }
        g.gbStepFwd = true;
        bool shown = false;
        const bool ok = Trapped("ER012", [&] {
            NormaliseYearCode();
            SetNamePos();
            for (; g.giPhoto <= g.giPhotoCount; ++g.giPhoto) {
                if (CodeOf(g.gsPhotos(g.giPhoto + 1)) != g.gsCatCode)
                    continue;
                if (g.gbNewYear) {
                    g.gbNewYear = false; // the photograph already on display
                    continue;
                }
                ++g.giPhoto;
                shown = true; // counted as shown even if the picture fails: the step moved on
                ShowPhoto(g.giPhoto);
                break;
            }
            if (!shown)
                return;
            g.giPhotoShown = g.giPhoto;
            AfterStep();
        });
        if (shown || !ok)
            return;
        g.giPhoto = 0; // wrap around to the first photograph of the run
    }
}

void PrevPhoto()
{
    if (!MainWindow())
        return;
    g.gbNewYear = false;
    if (g.gbStepFwd)
        --g.giPhoto;
    g.gbStepBack = true;
    if (g.giPhoto <= 0)
        g.giPhoto = g.giPhotoCount;
    Trapped("ER011", [&] {
        for (int pass = 0; pass < 2; ++pass) {
            NormaliseYearCode();
            SetNamePos();
            for (; g.giPhoto >= 1; --g.giPhoto) {
                if (CodeOf(g.gsPhotos(g.giPhoto)) != g.gsCatCode)
                    continue;
                ShowPhoto(g.giPhoto);
                --g.giPhoto;
                g.giPhotoShown = g.giPhoto + 1;
                g.gbStepFwd = false;
                AfterStep();
                return;
            }
            g.giPhoto = g.giPhotoCount; // wrap around to the last photograph of the run
        }
    });
}

void NamesClick()
{
    Form1& f = F();
    if (SelectionCaption() == QLatin1String("panYear"))
        return;
    QAction* item = f.menuItem(QStringLiteral("mnuNames"));
    if (g.gbShowNames) {
        item->setText(QStringLiteral("Show File &Names"));
        g.gbShowNames = false;
        f.txtFile()->setVisible(false);
        return;
    }
    g.gbShowNames = true;
    item->setText(QStringLiteral("Hide File &Names"));
    if (g.giPhoto == 0)
        g.giNamePos = int(g.gsPhotoFile.indexOf(kPhotoFolder)) + 1;
    f.txtFile()->setText(g.gsPhotoFile.mid(g.giNamePos + 10));
    f.txtFile()->setVisible(true);
    f.txtFile()->raise();
}

void TxtFileClick()
{
    Form1& f = F();
    f.menuItem(QStringLiteral("mnuNames"))->setText(QStringLiteral("Show File &Names"));
    g.gbShowNames = false;
    f.txtFile()->setVisible(false);
}

} // namespace kg
