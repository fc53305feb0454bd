#include "engine/SettingsSection.h"

#include "platform/SettingsStore.h"

using Settings::Key;

CSettingsSection::CSettingsSection() : m_section(QString::fromLatin1(Settings::kSection)) {}

int CSettingsSection::GetInt(const QString& key, int defaultValue) const
{
    return platform::GetProfileInt(m_section, key, defaultValue);
}

bool CSettingsSection::WriteInt(const QString& key, int value) const
{
    return platform::WriteProfileInt(m_section, key, value);
}

bool CSettingsSection::WriteString(const QString& key, const QString& value) const
{
    return platform::WriteProfileString(m_section, key, value);
}

void CSettingsSection::GetString(const QString& key, const QString& defaultValue, QString& out) const
{
    out = platform::GetProfileString(m_section, key, defaultValue);
}

void CSettingsSection::ReadLastFolderSelected(QString& out) const
{
    GetString(Settings::Name(Key::LastFolderSelected), Settings::StringDefault(Key::LastFolderSelected), out);
}

bool CSettingsSection::WriteLastFolderSelected(const QString& value) const
{
    return WriteString(Settings::Name(Key::LastFolderSelected), value);
}

void CSettingsSection::ReadInfoBarText(QString& out) const
{
    GetString(Settings::Name(Key::InfoBarText), Settings::StringDefault(Key::InfoBarText), out);
}

bool CSettingsSection::WriteInfoBarText(const QString& value) const
{
    return WriteString(Settings::Name(Key::InfoBarText), value);
}

void CSettingsSection::ReadSearchWord(QString& out) const
{
    GetString(Settings::Name(Key::SearchWord), Settings::StringDefault(Key::SearchWord), out);
}

bool CSettingsSection::WriteSearchWord(const QString& value) const
{
    return WriteString(Settings::Name(Key::SearchWord), value);
}

int CSettingsSection::GetSwitch(Key key) const
{
    return GetInt(Settings::Name(key), Settings::IntDefault(key));
}

void CSettingsSection::ToggleSwitch(Key key) const
{
    WriteInt(Settings::Name(key), GetSwitch(key) == 0 ? 1 : 0);
}
