#include "platform/SettingsStore.h"

#include <QSettings>

namespace platform {
namespace {

// A fresh settings object per call: QSettings objects are not to be shared between threads, and
// objects of one process on one file see each other's writes at once.
template <class Action> auto WithStore(Action action)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tresmolo"),
                    QStringLiteral("Tresmolo"));
    return action(store);
}

// The stored value, or an invalid one when the store cannot be read or holds a list there.
QVariant ReadValue(const QString& section, const QString& key)
{
    return WithStore([&](QSettings& store) {
        if (store.status() != QSettings::NoError)
            return QVariant();
        QVariant value = store.value(section + QLatin1Char('/') + key);
        if (value.typeId() == QMetaType::QStringList)
            return QVariant();
        return value;
    });
}

bool WriteValue(const QString& section, const QString& key, const QVariant& value)
{
    return WithStore([&](QSettings& store) {
        store.setValue(section + QLatin1Char('/') + key, value);
        store.sync();
        return store.status() == QSettings::NoError;
    });
}

} // namespace

int GetProfileInt(const QString& section, const QString& key, int defaultValue)
{
    const QVariant value = ReadValue(section, key);
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return value.isValid() && ok ? number : defaultValue;
}

bool WriteProfileInt(const QString& section, const QString& key, int value)
{
    return WriteValue(section, key, value);
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue)
{
    const QVariant value = ReadValue(section, key);
    return value.isValid() ? value.toString() : defaultValue;
}

bool WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    return WriteValue(section, key, value);
}

QString ProfileStoreFile()
{
    return WithStore([](QSettings& store) { return store.fileName(); });
}

} // namespace platform
