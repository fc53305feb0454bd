#pragma once

#include <memory>
#include <string_view>
#include <vector>

// Names kept back to back in blocks that never move, so that a million of them cost their bytes
// and no allocation each. A kept name stays where it is until clear().
class NameArena
{
public:
    std::string_view Keep(std::string_view name);
    void clear();

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_room = 0;
    char* m_end = nullptr;
};
