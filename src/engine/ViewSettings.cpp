#include "engine/ViewSettings.h"

#include "platform/SettingsStore.h"

using Settings::ViewKey;

namespace ViewSettings {
namespace {

bool HoldsLineBreak(const QString& word)
{
    return word.contains(QLatin1Char('\n')) || word.contains(QLatin1Char('\r'));
}

} // namespace

int GetInt(ViewKey key)
{
    return platform::GetProfileInt(Settings::Section(key), Settings::Name(key), Settings::IntDefault(key));
}

void WriteInt(ViewKey key, int value)
{
    platform::WriteProfileInt(Settings::Section(key), Settings::Name(key), value);
}

QStringList LoadWordHistory()
{
    const QString text = platform::GetProfileString(Settings::Section(ViewKey::WordHistory),
                                                    Settings::Name(ViewKey::WordHistory),
                                                    Settings::StringDefault(ViewKey::WordHistory));
    // Read through RememberWord, so a file edited by hand still gives a history of the rules.
    const QStringList stored = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList history;
    for (auto word = stored.crbegin(); word != stored.crend(); ++word)
        history = RememberWord(history, *word);
    return history;
}

void SaveWordHistory(const QStringList& words)
{
    platform::WriteProfileString(Settings::Section(ViewKey::WordHistory),
                                 Settings::Name(ViewKey::WordHistory), words.join(QLatin1Char('\n')));
}

QStringList RememberWord(QStringList history, const QString& word)
{
    if (word.isEmpty() || HoldsLineBreak(word))
        return history;
    history.removeAll(word);
    history.prepend(word);
    while (history.size() > kWordHistoryLength)
        history.removeLast();
    return history;
}

} // namespace ViewSettings
