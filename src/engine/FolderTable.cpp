#include "engine/FolderTable.h"

std::uint32_t CFolderTable::Hash(std::uint32_t parent, std::string_view name)
{
    // FNV-1a over the parent's index and the name's bytes.
    std::uint64_t h = 1469598103934665603ull ^ parent;
    h *= 1099511628211ull;
    for (char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return std::uint32_t(h ^ (h >> 32));
}

std::uint32_t CFolderTable::Lookup(std::uint32_t parent, std::string_view name, std::uint32_t hash) const
{
    if (m_slots.empty())
        return kNone;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = m_slots[i];
        if (slot == 0)
            return kNone;
        const Node& node = m_nodes[slot - 1];
        if (node.hash == hash && node.parent == parent && Name(node) == name)
            return slot - 1;
    }
}

void CFolderTable::Grow()
{
    std::vector<std::uint32_t> slots(m_slots.empty() ? 64 : m_slots.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (std::uint32_t index = 0; index < m_nodes.size(); ++index) {
        size_t i = m_nodes[index].hash & mask;
        while (slots[i] != 0)
            i = (i + 1) & mask;
        slots[i] = index + 1;
    }
    m_slots.swap(slots);
}

std::pair<std::uint32_t, bool> CFolderTable::Insert(std::uint32_t parent, std::string_view name)
{
    const std::uint32_t hash = Hash(parent, name);
    const std::uint32_t found = Lookup(parent, name, hash);
    if (found != kNone)
        return {found, false};
    if ((m_nodes.size() + 1) * 2 > m_slots.size())
        Grow();
    const auto index = std::uint32_t(m_nodes.size());
    m_nodes.push_back({m_names.size(), parent, std::uint32_t(name.size()), hash, 0});
    m_names.append(name);
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i] != 0)
        i = (i + 1) & mask;
    m_slots[i] = index + 1;
    if (parent == kNone)
        m_tops.push_back(index);
    return {index, true};
}

std::uint32_t CFolderTable::Find(std::string_view path) const
{
    const std::uint32_t exact = Lookup(kNone, path, Hash(kNone, path));
    if (exact != kNone)
        return exact;
    for (const std::uint32_t top : m_tops) {
        const std::string_view topPath = Name(m_nodes[top]);
        if (path.size() <= topPath.size() || path.substr(0, topPath.size()) != topPath)
            continue;
        size_t at = topPath.size();
        if (topPath.back() != '/') {
            if (path[at] != '/')
                continue;
            ++at;
        }
        // Name by name down from the top folder; an empty name never occurs in a walk's paths.
        std::uint32_t folder = top;
        while (folder != kNone) {
            const size_t slash = path.find('/', at);
            const std::string_view name =
                path.substr(at, slash == std::string_view::npos ? path.npos : slash - at);
            folder = name.empty() ? kNone : Lookup(folder, name, Hash(folder, name));
            if (slash == std::string_view::npos)
                break;
            at = slash + 1;
        }
        if (folder != kNone)
            return folder;
    }
    return kNone;
}

void CFolderTable::Clear()
{
    std::vector<Node>().swap(m_nodes);
    std::string().swap(m_names);
    std::vector<std::uint32_t>().swap(m_slots);
    m_tops.clear();
}
