#pragma once

#include <QString>

// The per-user profile store: named integers and strings in named sections. It lives in the
// native settings file of organisation "Tresmolo", application "Tresmolo"
// (~/.config/Tresmolo/Tresmolo.conf here). A value that is missing, stored with another type, or in
// a file that cannot be read yields the caller's default; a write is seen at once by every thread.
// A value written again unchanged leaves the file alone.
namespace platform {

int GetProfileInt(const QString& section, const QString& key, int defaultValue);
bool WriteProfileInt(const QString& section, const QString& key, int value);
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue);
bool WriteProfileString(const QString& section, const QString& key, const QString& value);

// True once, the first time it is asked after a write failed (the store cannot be written: a
// read-only file, folder or volume, a full disk). Such a failure is to be told to the user once per
// session; reads go on returning the stored values, and the unsaved changes hold for the session.
bool TakeProfileWriteFailure();

// Writes made by this thread while a batch is alive are saved together when the outermost batch
// ends: one rewrite of the file instead of one per value. Within it, reads on this thread see the
// unsaved values, and a failure to save counts as any write failure (TakeProfileWriteFailure).
// A thread whose writes meet another thread's open batch writes as usual.
class ProfileWriteBatch
{
public:
    ProfileWriteBatch();
    ~ProfileWriteBatch();
    ProfileWriteBatch(const ProfileWriteBatch&) = delete;
    ProfileWriteBatch& operator=(const ProfileWriteBatch&) = delete;

private:
    bool m_joined = true;
};

// The file that holds the store, for tests and diagnostics.
QString ProfileStoreFile();

} // namespace platform
