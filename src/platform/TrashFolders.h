#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

// Where an item goes in the freedesktop trash: the home trash when the item is on its volume,
// otherwise the trash at the top of the item's own volume ($topdir/.Trash/$uid when $topdir/.Trash
// is a sticky folder that is not a link, else $topdir/.Trash-$uid). Used by platform/Trash only.
namespace platform::trash {

bool Fail(std::string* error, const std::string& text);
bool FailWithErrno(std::string* error, int code);
std::string Text(const char* text); // a translated text, as native bytes
std::string Parent(const std::string& path);

// A file descriptor closed when it goes out of scope.
class Fd
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd();
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The mount a path lives on: the mount id where the kernel gives it, else the device.
struct MountId
{
    dev_t device = 0;
    std::uint64_t mount = 0;
    bool hasMount = false;
};

// The item to trash: its folder with every link resolved, and its own name in it.
struct Item
{
    std::string folder, name, path; // path = folder + "/" + name
    MountId mount;                  // of the folder
};

// A trash ready to take the item: its files/ and info/ folders exist, and the path to record.
struct Place
{
    std::string root, files, info;
    std::string recordedPath; // absolute for the home trash, relative to the top of a volume
};

// Fills `item` for the absolute path of an entry that exists; refuses "." and ".." and mount
// points (a mount point cannot be moved).
bool FindItem(const std::string& absolute, Item* item, std::string* error);
// Finds (and makes where needed) the trash that takes `item`; refuses the trash itself, a folder
// holding it, and what is in the trash already.
bool ChoosePlace(const Item& item, Place* place, std::string* error);

} // namespace platform::trash
