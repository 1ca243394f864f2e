#include "browser/photodisplay.h"

#include "browser/photoloader.h"
#include "controls/stretchimage.h"
#include "core/appstate.h"
#include "core/form1.h"
#include "system/paths.h"
#include "system/runtime.h"

namespace kg {

namespace {

QString CodeAt(int index, qsizetype nameAt)
{
    return g.gsPhotos(index).mid(nameAt, 2);
}

// The photographs a step forward or backward from `index` shows: the neighbours within
// the run of the same code, wrapping at the run's ends.
QStringList Neighbours(int index)
{
    const qsizetype nameAt = g.gsPhotos(index).indexOf(QLatin1String("\\kestranas\\")) + 11;
    const QString code = CodeAt(index, nameAt);
    int first = index, last = index;
    while (first > 1 && CodeAt(first - 1, nameAt) == code)
        --first;
    while (last < g.giPhotoCount && CodeAt(last + 1, nameAt) == code)
        ++last;
    QStringList paths;
    if (first == last)
        return paths;
    const int next = index == last ? first : index + 1;
    const int prev = index == first ? last : index - 1;
    for (int i : {next, prev})
        if (i != index) {
            try {
                paths << NativePath(g.gsPhotos(i));
            } catch (const RuntimeError&) {
                // A drive that went away: the step itself will report it.
            }
        }
    paths.removeDuplicates();
    return paths;
}

} // namespace

void ShowPhotoInImage4(int index)
{
    Form1* f = MainWindow();
    if (!f)
        return;
    StretchImage* image = f->image4();
    const QSize size = image->size();
    image->setPicture(Photos().load(NativePath(g.gsPhotos(index)), size));
    Photos().prefetch(Neighbours(index), size);
}

} // namespace kg
