// The Kestrana Gallerion 2001: the program starts in its splash window.
#include "core/appstate.h"
#include "core/form2.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kg::kAppTitle));
    // The program ends only through its own exit paths, never because the splash closed
    // before the main window opened.
    QApplication::setQuitOnLastWindowClosed(false);
    kg::g.gbHWI = kg::IsHwiCommandLine(QApplication::arguments().mid(1));
    if (!kg::LoadSplash()->Load())
        return 0;
    return QApplication::exec();
}
