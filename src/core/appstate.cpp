#include "core/appstate.h"

#include <QStringList>

namespace kg {

AppState g;

void ResetAppState()
{
    g = AppState{};
    Err().Clear();
}

bool IsHwiCommandLine(const QStringList& argsAfterProgram)
{
    return argsAfterProgram.join(u' ') == QLatin1String("HWI");
}

QString EscapeAmpersands(const QString& text)
{
    QString result;
    QString rest = text;
    qsizetype pos;
    while ((pos = rest.indexOf(u'&')) >= 0) {
        result += rest.left(pos + 1);
        result += u'&';
        rest = rest.mid(pos + 1);
    }
    return result + rest;
}

} // namespace kg
