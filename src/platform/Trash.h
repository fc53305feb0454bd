#pragma once

#include <string>

// The freedesktop trash of the user's home ($XDG_DATA_HOME/Trash, or the trash folder of another
// volume where the desktop keeps one). Nothing here ever deletes anything for good.
namespace platform {

// Moves a file or folder (with everything in it) to the trash and records where it came from, so
// the desktop's trash view can put it back. An item the trash cannot take stays where it is: false,
// and `error` (when given) says why in words fit for the user. `trashedAs` (when given) receives
// where the item now lies in the trash.
bool MoveToTrash(const std::string& nativePath, std::string* error, std::string* trashedAs = nullptr);

} // namespace platform
