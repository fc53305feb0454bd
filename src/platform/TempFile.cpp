#include "platform/TempFile.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <vector>

namespace platform {

bool CreateExportFile(std::string* path, int* fd)
{
    static constexpr char kPattern[] = "/TreXXXXXX.txt";
    static constexpr int kSuffixLength = 4; // ".txt"
    const QByteArray folder = QFile::encodeName(QDir::tempPath());
    std::vector<char> name(folder.begin(), folder.end());
    name.insert(name.end(), kPattern, kPattern + sizeof kPattern); // with the terminating zero
    // mkostemps creates the file exclusively, with mode 0600.
    const int created = ::mkostemps(name.data(), kSuffixLength, O_CLOEXEC);
    if (created < 0)
        return false;
    *path = name.data();
    *fd = created;
    return true;
}

} // namespace platform
