#include "browser/photoloader.h"

#include "controls/pictures.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <QFileInfo>
#endif

#include <algorithm>
#include <exception>

namespace kg {

namespace {

// The size a picture is decoded at: a valid, non-empty display size, or its own size (an
// invalid QSize) otherwise, as LoadPictureFile reads it.
QSize DecodeSize(QSize displaySize)
{
    return displaySize.isValid() && !displaySize.isEmpty() ? displaySize : QSize();
}

} // namespace

PhotoLoader::PhotoLoader(int maxPictures, qint64 maxBytes, int workers)
    : m_maxPictures(std::max(1, maxPictures)), m_maxBytes(std::max<qint64>(0, maxBytes)),
      m_workerCount(std::max(1, workers))
{
}

PhotoLoader::~PhotoLoader()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true; // no prefetch() may start new workers from here on
    }
    stopWorkers();
}

// The file is looked at afresh every time (no cached file information), so a file that was
// replaced, repaired or removed since gives a different key.  On Unix the times come straight
// from stat(), to the nanosecond and with no conversion to local time (which goes through the
// C library's time-zone state and is not something to do on several threads at once).
PhotoLoader::Key PhotoLoader::MakeKey(const QString& path, QSize size)
{
    Key key;
    key.path = path;
    key.size = DecodeSize(size);
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        key.bytes = st.st_size;
        key.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        key.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
        key.file = quint64(st.st_ino);
    }
#else
    const QFileInfo info(path);
    if (info.exists()) {
        key.bytes = info.size();
        key.modified = info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
        key.changed = info.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch();
    }
#endif
    return key;
}

// True when the file still looks as it did when `key` was made: a picture decoded from a
// file that changed under the decoder is not remembered under the old key.
bool PhotoLoader::StampStillMatches(const Key& key)
{
    return MakeKey(key.path, key.size) == key;
}

PhotoLoader::Entry* PhotoLoader::findLocked(const Key& key)
{
    const auto it = std::find_if(m_cache.begin(), m_cache.end(),
                                 [&](const Entry& e) { return e.key == key; });
    return it == m_cache.end() ? nullptr : &*it;
}

bool PhotoLoader::runningLocked(const Key& key) const
{
    return std::find(m_running.begin(), m_running.end(), key) != m_running.end();
}

// Remembers a decoded picture or failure as the most recently used, drops what it replaces
// (the same picture decoded from an older state of the file can never be asked for again),
// then drops the least recently used entries until both limits hold.
void PhotoLoader::storeLocked(Entry entry)
{
    std::erase_if(m_cache, [&](const Entry& e) {
        return e.key.path == entry.key.path && e.key.size == entry.key.size;
    });
    entry.lastUse = ++m_useClock;
    m_cache.push_back(std::move(entry));
    const auto bytes = [this] {
        qint64 total = 0;
        for (const Entry& e : m_cache)
            total += e.image.sizeInBytes();
        return total;
    };
    while (m_cache.size() > 1 && (int(m_cache.size()) > m_maxPictures || bytes() > m_maxBytes)) {
        const auto oldest = std::min_element(m_cache.begin(), m_cache.end(),
            [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        m_cache.erase(oldest);
    }
}

QImage PhotoLoader::load(const QString& nativePath, QSize displaySize)
{
    if (nativePath.isEmpty())
        return {};
    const Key key = MakeKey(nativePath, displaySize);
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (Entry* e = findLocked(key)) {
            e->lastUse = ++m_useClock;
            if (e->error)
                throw *e->error;
            return e->image;
        }
        if (!runningLocked(key))
            break;
        m_decodeDone.wait(lock); // decoded in the background, or by another load(), right now
    }

    // Decode on this thread.  A queued decode ahead of the same picture is taken over, and
    // while this decode runs it counts as in flight, so no one decodes the picture twice.
    std::erase(m_queue, key);
    m_running.push_back(key);
    const std::uint64_t generation = m_generation;
    lock.unlock();

    Entry entry{key, {}, std::nullopt, 0};
    std::exception_ptr other;
    try {
        entry.image = LoadPictureFile(key.path, key.size);
    } catch (const RuntimeError& e) {
        entry.error = e;
    } catch (...) {
        other = std::current_exception(); // out of memory and the like: reported, not kept
    }
    const bool keep = !other && StampStillMatches(key);

    lock.lock();
    m_running.erase(std::find(m_running.begin(), m_running.end(), key));
    if (keep && generation == m_generation)
        storeLocked(entry);
    m_decodeDone.notify_all();
    lock.unlock();

    if (other)
        std::rethrow_exception(other);
    if (entry.error)
        throw *entry.error;
    return entry.image;
}

void PhotoLoader::prefetch(const QStringList& nativePaths, QSize displaySize)
{
    // Room for the picture on show: asking for more would only push out what was decoded
    // ahead before it could be shown.
    const int room = std::max(1, m_maxPictures - 1);
    std::vector<Key> keys;
    for (const QString& path : nativePaths) {
        if (int(keys.size()) == room)
            break;
        if (path.isEmpty())
            continue;
        Key key = MakeKey(path, displaySize);
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(std::move(key));
    }

    std::lock_guard lock(m_mutex);
    if (m_stopping)
        return;
    // Pictures already remembered are marked as used, the first in the list last, so that
    // the decodes about to finish push out older pictures rather than these.
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        if (Entry* e = findLocked(*it))
            e->lastUse = ++m_useClock;
    std::vector<Key> queue;
    for (Key& key : keys)
        if (!findLocked(key) && !runningLocked(key))
            queue.push_back(std::move(key));
    m_queue = std::move(queue); // what is no longer asked for is cancelled
    if (m_queue.empty()) {
        m_decodeDone.notify_all(); // waitForIdle() may be waiting on cancelled work
        return;
    }
    startWorkersLocked();
    m_workAvailable.notify_all();
}

void PhotoLoader::clear()
{
    std::lock_guard lock(m_mutex);
    m_cache.clear();
    m_queue.clear();
    ++m_generation;
    m_decodeDone.notify_all();
}

void PhotoLoader::waitForIdle()
{
    std::unique_lock lock(m_mutex);
    m_decodeDone.wait(lock, [this] { return m_queue.empty() && m_workersBusy == 0; });
}

bool PhotoLoader::isReady(const QString& nativePath, QSize displaySize) const
{
    const Key key = MakeKey(nativePath, displaySize);
    std::lock_guard lock(m_mutex);
    return std::any_of(m_cache.begin(), m_cache.end(), [&](const Entry& e) { return e.key == key; });
}

int PhotoLoader::cachedCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_cache.size());
}

void PhotoLoader::stopWorkers()
{
    std::vector<std::thread> workers;
    bool wasStopping = false;
    {
        std::lock_guard lock(m_mutex);
        wasStopping = m_stopping;
        m_stopping = true;
        m_queue.clear();
        workers.swap(m_workers);
        m_workAvailable.notify_all();
        m_decodeDone.notify_all();
    }
    for (std::thread& t : workers)
        t.join();
    std::lock_guard lock(m_mutex);
    m_stopping = wasStopping;
}

void PhotoLoader::startWorkersLocked()
{
    if (m_stopping || !m_workers.empty())
        return;
    for (int i = 0; i < m_workerCount; ++i)
        m_workers.emplace_back([this] { workerLoop(); });
}

void PhotoLoader::workerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_workAvailable.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        const Key key = m_queue.front();
        m_queue.erase(m_queue.begin());
        m_running.push_back(key);
        ++m_workersBusy;
        const std::uint64_t generation = m_generation;
        lock.unlock();

        Entry entry{key, {}, std::nullopt, 0};
        bool keep = true;
        try {
            entry.image = LoadPictureFile(key.path, key.size);
        } catch (const RuntimeError& e) {
            entry.error = e; // remembered, and thrown by load() when the picture is shown
        } catch (...) {
            keep = false; // not a property of the file: load() decodes again and reports it
        }
        keep = keep && StampStillMatches(key);

        lock.lock();
        m_running.erase(std::find(m_running.begin(), m_running.end(), key));
        --m_workersBusy;
        if (keep && generation == m_generation)
            storeLocked(std::move(entry));
        m_decodeDone.notify_all();
    }
}

PhotoLoader& Photos()
{
    static PhotoLoader loader;
    // The workers use the image plugins, which go away with the application object; stop
    // them first.  (The static's destructor covers programs that never made one.)
    static const bool hooked = [] {
        qAddPostRoutine([] { Photos().stopWorkers(); });
        return true;
    }();
    (void)hooked;
    return loader;
}

} // namespace kg
