#include "platform/SettingsStore.h"

#include <QSettings>
#include <atomic>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {
namespace {

// One call at a time, from any thread. QSettings objects of one file share a cache that Qt guards
// with its own locks; this lock makes the order of the calls plain to ThreadSanitizer too (Qt is
// not built for it), at no cost worth naming: the store is used a few times per command.
std::mutex g_storeLock;

// A fresh settings object per call: QSettings objects are not to be shared between threads, and
// objects of one process on one file see each other's writes at once. While a batch is open, the
// thread that opened it uses the batch's object, whose changes are saved when the batch ends.
struct Batch
{
    std::thread::id owner;
    int depth = 0;
    std::unique_ptr<QSettings> store;
};
Batch g_batch; // guarded by g_storeLock

std::unique_ptr<QSettings> NewStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tresmolo"), QStringLiteral("Tresmolo"));
}

bool InBatchLocked()
{
    return g_batch.depth > 0 && g_batch.owner == std::this_thread::get_id();
}

template <class Action> auto WithStore(Action action)
{
    const std::lock_guard<std::mutex> lock(g_storeLock);
    if (InBatchLocked())
        return action(*g_batch.store, true);
    const std::unique_ptr<QSettings> store = NewStore();
    return action(*store, false);
}

// Whether a write failed, and whether the user has been told: 0 fine, 1 failed, 2 told.
std::atomic<int> g_writeFailure{0};

void NoteWriteFailure()
{
    int fine = 0;
    g_writeFailure.compare_exchange_strong(fine, 1);
}

// The stored value, or an invalid one when the store cannot be parsed or holds a list there.
// A store that cannot be written (QSettings then reports AccessError on every new object, since the
// unsaved change stays pending in its shared cache) is still read: the values on disk, and the
// changes of this session that could not be saved.
QVariant ReadValue(const QString& section, const QString& key)
{
    return WithStore([&](QSettings& store, bool) {
        if (store.status() == QSettings::FormatError)
            return QVariant();
        QVariant value = store.value(section + QLatin1Char('/') + key);
        if (value.typeId() == QMetaType::QStringList)
            return QVariant();
        return value;
    });
}

// Whether the store already holds this value as the file would hold it: the same text. A value
// written again is then not written at all, since QSettings rewrites the whole file for it.
bool AlreadyStored(const QSettings& store, const QString& path, const QVariant& value)
{
    if (store.status() != QSettings::NoError)
        return false; // a damaged or unwritable file: write, so the fault shows or the file mends
    const QVariant stored = store.value(path);
    switch (stored.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return stored.toString() == value.toString();
    default:
        return false;
    }
}

bool WriteValue(const QString& section, const QString& key, const QVariant& value)
{
    const bool written = WithStore([&](QSettings& store, bool batched) {
        const QString path = section + QLatin1Char('/') + key;
        if (AlreadyStored(store, path, value))
            return true;
        store.setValue(path, value);
        if (batched)
            return true; // saved, and any failure counted, when the batch ends
        store.sync();
        // A damaged file reports FormatError, yet takes the write; a failed write is AccessError.
        return store.status() != QSettings::AccessError;
    });
    if (!written)
        NoteWriteFailure();
    return written;
}

// An integer held by a value read from the store: the text of a whole number (as every value
// reads back from the file), or a number of an integer type within range (as a value written in
// this session reads until the file is read again). Anything else is of another type.
std::optional<qlonglong> WholeNumber(const QVariant& value)
{
    bool ok = false;
    qlonglong number = 0;
    switch (value.typeId()) {
    case QMetaType::QString:
        number = value.toString().trimmed().toLongLong(&ok);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        number = value.toLongLong(&ok);
        break;
    case QMetaType::ULongLong:
        ok = value.toULongLong() <= quint64(std::numeric_limits<qlonglong>::max());
        number = value.toLongLong();
        break;
    default:
        break;
    }
    return ok ? std::optional<qlonglong>(number) : std::nullopt;
}

} // namespace

int GetProfileInt(const QString& section, const QString& key, int defaultValue)
{
    const std::optional<qlonglong> number = WholeNumber(ReadValue(section, key));
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return defaultValue;
    return int(*number);
}

bool WriteProfileInt(const QString& section, const QString& key, int value)
{
    return WriteValue(section, key, value);
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue)
{
    // Text, or a whole number (its text is what the file holds); a value of any other type
    // (@ByteArray, @Variant, @Rect, ...) reads as the default.
    const QVariant value = ReadValue(section, key);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (const std::optional<qlonglong> number = WholeNumber(value))
        return QString::number(*number);
    return defaultValue;
}

bool WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    return WriteValue(section, key, value);
}

bool TakeProfileWriteFailure()
{
    int failed = 1;
    return g_writeFailure.compare_exchange_strong(failed, 2);
}

QString ProfileStoreFile()
{
    return WithStore([](QSettings& store, bool) { return store.fileName(); });
}

ProfileWriteBatch::ProfileWriteBatch()
{
    const std::lock_guard<std::mutex> lock(g_storeLock);
    if (g_batch.depth > 0 && !InBatchLocked()) {
        m_joined = false; // another thread's batch is open: this thread writes as usual
        return;
    }
    if (g_batch.depth++ == 0) {
        g_batch.owner = std::this_thread::get_id();
        g_batch.store = NewStore();
    }
}

ProfileWriteBatch::~ProfileWriteBatch()
{
    if (!m_joined)
        return;
    const std::lock_guard<std::mutex> lock(g_storeLock);
    if (--g_batch.depth > 0)
        return;
    g_batch.store->sync();
    if (g_batch.store->status() == QSettings::AccessError)
        NoteWriteFailure();
    g_batch.store.reset();
}

} // namespace platform
