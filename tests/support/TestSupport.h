#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <string>

// A private home for one test program: HOME and the XDG folders point into a temporary folder, so
// the settings store, the trash and the special folders are real but belong to the test alone.
class TestHome
{
public:
    TestHome();
    QString Path() const { return m_dir.path(); }
    QString ConfigHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString DataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    // Removes the settings file, so every value reads as its default again.
    void ClearSettings() const;

private:
    QTemporaryDir m_dir;
};

// Builds files and folders under `root` from relative paths; a path ending in "/" is a folder.
// Parent folders are made as needed.
void MakeTree(const QString& root, const QStringList& paths);
// Writes a file with `bytes` as content.
void WriteFile(const QString& path, const QByteArray& bytes = {});

// Removes a tree of any depth (QDir cannot remove paths beyond the system's length limit).
void RemoveTree(const QString& root);

// Stands in for the main window: counts the posted notices of each type that reach it.
class NoticeCounter : public QObject
{
public:
    int Count(QEvent::Type type) const { return m_counts.value(int(type)); }
    void Reset() { m_counts.clear(); }

protected:
    void customEvent(QEvent* event) override { ++m_counts[int(event->type())]; }

private:
    QHash<int, int> m_counts;
};

// The main of a test program: the private home first, then the application object, then the tests.
#define TRESMOLO_TEST_MAIN(AppType, TestClass)                                                               \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        TestHome home;                                                                                       \
        AppType app(argc, argv);                                                                             \
        TestClass test(home);                                                                                \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
