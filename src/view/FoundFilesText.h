#pragma once

#include <QString>

// The short result text of the last search ("Searching...", then "%d File(s) Found."), written by
// the search worker and shown by the main frame. Empty until the first run.
namespace FoundFiles {

QString Text();
void SetText(const QString& text);

} // namespace FoundFiles
