#pragma once

#include <string>

namespace platform {

// Creates a new, empty file for an export in the temporary folder: "Tre" + a unique part + ".txt",
// readable and writable by the user alone. The name is chosen and the file created in one step, so
// no other process can slip in between. `fd` is open for writing (close-on-exec) and the caller
// closes it; the file itself is left for the user and never removed here. False (errno set) when no
// file could be made.
bool CreateExportFile(std::string* path, int* fd);

} // namespace platform
