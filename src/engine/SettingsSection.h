#pragma once

#include "engine/SettingsKeys.h"

#include <QString>

// Reads and writes the values of the "Settings" section of the profile store. Cheap to copy; every
// call goes to the store, so a value written anywhere is seen by the next read.
class CSettingsSection
{
public:
    CSettingsSection();

    int GetInt(const QString& key, int defaultValue) const;
    bool WriteInt(const QString& key, int value) const;
    bool WriteString(const QString& key, const QString& value) const;
    void GetString(const QString& key, const QString& defaultValue, QString& out) const;

    void ReadLastFolderSelected(QString& out) const;
    bool WriteLastFolderSelected(const QString& value) const;
    void ReadInfoBarText(QString& out) const;
    bool WriteInfoBarText(const QString& value) const;
    void ReadSearchWord(QString& out) const;
    bool WriteSearchWord(const QString& value) const;

    // A switch read with its one default.
    int GetSwitch(Settings::Key key) const;
    // Turns a switch over: writes 1 when it reads 0, else 0.
    void ToggleSwitch(Settings::Key key) const;

    const QString& Section() const { return m_section; }

private:
    QString m_section;
};
