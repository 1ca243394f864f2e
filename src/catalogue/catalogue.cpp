#include "catalogue/catalogue.h"

#include "catalogue/layout.h"
#include "core/appstate.h"
#include "core/errorreport.h"
#include "system/files.h"
#include "system/process.h"
#include "system/runtime.h"

#include <algorithm>

namespace kg {

namespace {

// Thrown when Cancel in a Retry/Cancel box ended the program and the hook returned.
struct LoaderAbandoned {};

// Runs a risky step; a failure is reported with the loader's code and, on Retry, the same
// step runs again, as often as the user asks.
template <typename F>
auto RetryStep(F step) -> decltype(step())
{
    for (;;) {
        try {
            return step();
        } catch (const RuntimeError& e) {
            Err().Number = e.number();
            Err().Description = e.description();
            ReportError();
            Err().Clear();
            if (EndProgramCalled())
                throw LoaderAbandoned{};
        }
    }
}

// Every match of `pattern` through the first/next search.  Only the first look-up can
// fail (a drive that is not ready); it is the step that Retry repeats.
QStringList ReadNames(const QString& pattern)
{
    QStringList names;
    QString name = RetryStep([&] { return FindFirst(pattern); });
    while (!name.isEmpty()) {
        names.append(name);
        name = FindNext();
    }
    return names;
}

// Sorts in ascending character-code order and completes the paths, keeping one empty
// entry after the last name.
void FillList(VbList& list, QStringList names, const QString& prefix)
{
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; });
    for (QString& n : names)
        n.prepend(prefix);
    names.append(QString());
    list.raw() = std::move(names);
}

} // namespace

void LoadPhotoArray()
{
    g.gsErrCode = QStringLiteral("ER037");
    try {
        QStringList photos = ReadNames(ContentPath(folders::Photos, QStringLiteral("*.jpg")));
        for (QString& n : photos)
            n = n.toUpper();
        g.giPhotoCount = int(photos.size());
        const QString photoPrefix = ContentPath(folders::Photos, QString());
        FillList(g.gsPhotos, photos, photoPrefix);

        // Number each photograph within the run of its two-character code.
        QStringList numbers;
        numbers.reserve(g.giPhotoCount + 1);
        const qsizetype nameAt = photoPrefix.size();
        int counter = 0;
        for (g.giLoop = 1; g.giLoop <= g.giPhotoCount; ++g.giLoop) {
            const QString prefix = g.gsPhotos(g.giLoop).mid(nameAt, 2);
            counter = prefix == g.gsPrevPrefix ? counter + 1 : 1;
            g.gsPrevPrefix = prefix;
            numbers.append(QString::number(counter));
        }
        numbers.append(QString());
        g.gsPhotoNum.raw() = std::move(numbers);
        if (g.giPhotoCount > 0)
            g.giNamePos = int(g.gsPhotos(1).indexOf(QLatin1String(folders::Photos.relative))) + 1;

        const QStringList clips = ReadNames(ContentPath(folders::ClipArt, QStringLiteral("*.jpg")));
        g.giClipCount = int(clips.size());
        FillList(g.gsClipArt, clips, ContentPath(folders::ClipArt, QString()));
        g.giPhoto = g.giClipCount + 1;
    } catch (const LoaderAbandoned&) {
    }
}

void LoadMovieList()
{
    g.gsErrCode = QStringLiteral("ER055");
    try {
        QStringList movies = ReadNames(ContentPath(folders::Movies, QStringLiteral("*.avi")));
        g.giMovieCount = int(movies.size());
        g.giMovieSlot = g.giMovieCount + 1;
        movies.append(QString());
        g.gsMovies.raw() = std::move(movies);
    } catch (const LoaderAbandoned&) {
    }
}

} // namespace kg
