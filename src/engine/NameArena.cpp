#include "engine/NameArena.h"

#include <algorithm>
#include <cstring>

namespace {

// Names are kept in blocks of this size (a longer name gets a block of its own).
constexpr size_t kBlock = 256 * 1024;

} // namespace

std::string_view NameArena::Keep(std::string_view name)
{
    if (name.size() > m_room) {
        const size_t size = std::max(kBlock, name.size());
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        m_end = m_blocks.back().get();
        m_room = size;
    }
    char* kept = m_end;
    if (!name.empty())
        std::memcpy(kept, name.data(), name.size());
    m_end += name.size();
    m_room -= name.size();
    return {kept, name.size()};
}

void NameArena::clear()
{
    m_blocks.clear();
    m_room = 0;
    m_end = nullptr;
}
