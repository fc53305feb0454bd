#pragma once

#include "engine/SettingsKeys.h"

#include <QString>
#include <QStringList>

// The values of Settings::ViewKey: the search dialog's word history and folded section, the file
// list's optional columns.
namespace ViewSettings {

int GetInt(Settings::ViewKey key);
void WriteInt(Settings::ViewKey key, int value);

// The words searched for last, most recent first, at most this many, none twice.
inline constexpr int kWordHistoryLength = 10;
QStringList LoadWordHistory();
void SaveWordHistory(const QStringList& words);
// `history` with `word` put first: an equal word further down goes, and the oldest beyond the
// length. Words are compared exactly (a regular expression's case matters). An empty word, and one
// holding a line break (the store keeps one word a line), leave the history as it is.
QStringList RememberWord(QStringList history, const QString& word);

} // namespace ViewSettings
