// kestrana-sampledisc: writes a sample content disc for the Gallerion.
//
//   kestrana-sampledisc [--small] OUTPUT-FOLDER   the whole content tree (or the small test
//                                                 fixture described in plan.h)
//   kestrana-sampledisc --passby FILE             only the start-up sound
//
// Output is the same, byte for byte, on every run: drawing happens on the main thread in a
// fixed order (see plan.h), and each parallel task encodes and writes its own file.
#include "media.h"
#include "plan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QSemaphore>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kestrana-sampledisc: %s\n", qPrintable(message));
    return 1;
}

int Usage()
{
    std::fprintf(stderr, "usage: kestrana-sampledisc [--small] OUTPUT-FOLDER\n"
                         "       kestrana-sampledisc --passby FILE\n");
    return 2;
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error)
{
    // Plain writes: a save file would sync every one of some 1600 files to disk.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int WriteTree(const QString& root, const QList<sd::Entry>& entries)
{
    QDir dir;
    if (!dir.mkpath(root) || !QFileInfo(root).isDir())
        return Fail(QStringLiteral("cannot create the folder %1").arg(root));
    QSet<QString> folders;
    for (const sd::Entry& e : entries)
        folders.insert(e.folder);
    for (const QString& folder : folders)
        if (!folder.isEmpty() && !QDir(root).mkpath(folder))
            return Fail(QStringLiteral("cannot create the folder %1").arg(QDir(root).filePath(folder)));

    QMutex mutex;
    QStringList errors;
    QThreadPool pool;
    const int threads = qMax(1, QThread::idealThreadCount());
    pool.setMaxThreadCount(threads);
    // Drawing runs here, in plan order; encoding and writing run in the pool.  The semaphore
    // keeps the drawn-but-not-yet-encoded pictures to a few at a time.
    QSemaphore inFlight(2 * threads);
    for (const sd::Entry& e : entries) {
        const QString path = QDir(QDir(root).filePath(e.folder)).filePath(e.name);
        sd::Encoder encode = e.make();
        inFlight.acquire();
        pool.start([&mutex, &errors, &inFlight, path, encode = std::move(encode)] {
            const QByteArray bytes = encode();
            QString error;
            if (bytes.isEmpty())
                error = QStringLiteral("cannot make %1").arg(path);
            else
                WriteFile(path, bytes, &error);
            if (!error.isEmpty()) {
                QMutexLocker lock(&mutex);
                errors << error;
            }
            inFlight.release();
        });
    }
    pool.waitForDone();
    if (!errors.isEmpty()) {
        errors.sort();
        return Fail(errors.join("\nkestrana-sampledisc: "));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures are drawn with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 2 && args[0] == "--passby") {
        QString error;
        const QString path = args[1];
        if (const QString parent = QFileInfo(path).absolutePath(); !QDir().mkpath(parent))
            return Fail(QStringLiteral("cannot create the folder %1").arg(parent));
        if (!WriteFile(path, sd::WavFile(sd::PassbySamples()), &error))
            return Fail(error);
        return 0;
    }
    if (args.size() == 2 && args[0] == "--small")
        return WriteTree(args[1], sd::SmallDisc());
    if (args.size() == 1 && !args[0].startsWith("--"))
        return WriteTree(args[0], sd::FullDisc());
    return Usage();
}
