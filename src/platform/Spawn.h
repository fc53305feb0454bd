#pragma once

#include <string>
#include <vector>

// Starting programs that outlive us. Arguments are native bytes passed straight to the program (no
// shell, no conversion), so a file name that is not valid UTF-8 arrives intact.
namespace platform {

// The file that would run for `program`: `program` itself when it holds a "/", else the first
// executable regular file of that name in a folder of $PATH. Empty when there is none.
std::string FindProgram(const std::string& program);

// Starts `program` (looked up as FindProgram does) with `arguments` after argv[0], in
// `workingFolder` when that is not empty, as a grandchild in a session of its own: it is not our
// child, so no zombie is left when it ends, and it does not end with us. Standard input reads
// /dev/null; output goes where ours goes. Returns once the program runs or has failed to start:
// true when it runs; else false and `error` (when given) says why.
bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder, std::string* error = nullptr);

} // namespace platform
