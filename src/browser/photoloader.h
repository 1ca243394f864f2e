#pragma once
// Photographs for the main window's photo stepping, decoded at the size they are shown at.
//
// The photograph is drawn stretched into a box of a few hundred pixels, so it is decoded
// straight at that box's size (a 12-megapixel camera picture then costs a fraction of a full
// decode), and the neighbours the user is likely to step to next are decoded ahead on
// background threads, so that a step finds its picture ready.
//
// The rule: decoding ahead never changes what is shown, numbered or reported.  load() gives
// exactly the picture, or exactly the failure (the same kg::RuntimeError, 53, 75 or 481),
// that decoding the file on the spot would give.  A decode ahead that failed is remembered
// as that failure and thrown to the step that shows the photograph, every time it is asked;
// nothing is swallowed.  A picture is remembered under its file's size, change times and
// file number as well as its path and display size, so a file replaced or repaired since is
// decoded again and a stale picture is never shown.
//
// Thread safety: every member may be called from any thread.  Paths are native paths (the
// caller turns content paths into native ones on the GUI thread first).
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "system/runtime.h"

namespace kg {

class PhotoLoader {
public:
    // At most `maxPictures` decoded pictures (and failures) are kept, least recently used
    // dropped first; their pixels together stay under `maxBytes`, except that the most
    // recent picture is always kept.  Decoding ahead uses at most `workers` threads,
    // started at the first prefetch().
    explicit PhotoLoader(int maxPictures = 8, qint64 maxBytes = 96 << 20, int workers = 2);
    // Drops the queued work and waits for the decodes that are running.
    ~PhotoLoader();
    PhotoLoader(const PhotoLoader&) = delete;
    PhotoLoader& operator=(const PhotoLoader&) = delete;

    // The picture in the file at `nativePath`, decoded at `displaySize` (at its own size when
    // `displaySize` is not valid).  A remembered picture comes back at once; a decode of the
    // same picture already running in the background is waited for; otherwise the picture is
    // decoded on the calling thread.  Throws the decoder's kg::RuntimeError on failure.
    QImage load(const QString& nativePath, QSize displaySize);

    // Decodes these pictures ahead, first in the list first.  Pictures already remembered or
    // being decoded are skipped; queued decodes not named in this list are cancelled.  Only
    // as many are taken as the cache can hold beside the picture on show.
    void prefetch(const QStringList& nativePaths, QSize displaySize);

    // Forgets every remembered picture and cancels the queued decodes.  Decodes already
    // running finish, but their results are thrown away.
    void clear();

    // Blocks until no decode ahead is queued or running.
    void waitForIdle();
    // True when load() would answer from memory (a picture or a remembered failure).
    bool isReady(const QString& nativePath, QSize displaySize) const;
    // The number of pictures and failures remembered.
    int cachedCount() const;

    // Stops the background threads (waiting for running decodes) and drops the queue.  A
    // later prefetch() starts them again.  Photos() calls this as the application object
    // goes away, before the image plugins are unloaded.
    void stopWorkers();

private:
    // What identifies one decoded picture: the file (by path, size, change times and file
    // number) and the size it was decoded at.
    struct Key {
        QString path;
        QSize size;
        qint64 bytes = -1; // -1: the file did not exist when looked at
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 file = 0; // the file's number on its file system, where there is one
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        QImage image;
        std::optional<RuntimeError> error;
        std::uint64_t lastUse = 0;
    };

    static Key MakeKey(const QString& path, QSize size);
    static bool StampStillMatches(const Key& key);
    Entry* findLocked(const Key& key);
    bool runningLocked(const Key& key) const;
    void storeLocked(Entry entry);
    void startWorkersLocked();
    void workerLoop();

    const int m_maxPictures;
    const qint64 m_maxBytes;
    const int m_workerCount;

    mutable std::mutex m_mutex;
    std::condition_variable m_workAvailable; // wakes the workers
    std::condition_variable m_decodeDone;    // wakes load() and waitForIdle()
    std::vector<Entry> m_cache;
    std::vector<Key> m_queue;   // waiting to be decoded, front first
    std::vector<Key> m_running; // being decoded now, by a worker or by load()
    int m_workersBusy = 0;
    std::uint64_t m_useClock = 0;
    std::uint64_t m_generation = 0; // bumped by clear(): results of older decodes are dropped
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

// The process-wide loader the main window uses.
PhotoLoader& Photos();

} // namespace kg
