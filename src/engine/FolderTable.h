#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The folders entered in one walk, with a file count each: a tree of names, so a folder costs its
// own name and a few integers whatever its depth. A folder is found by its parent and name, or by
// its full path text exactly as the walk built it (the parent's path, "/" unless the parent's path
// already ends with one, and the name).
class CFolderTable
{
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Adds the folder `name` under `parent`; with kNone as the parent, `name` is a full path. The
    // result is the folder's index and whether it was added (false: it was there already).
    std::pair<std::uint32_t, bool> Insert(std::uint32_t parent, std::string_view name);
    // The folder with this full path, or kNone.
    std::uint32_t Find(std::string_view path) const;

    int& Count(std::uint32_t folder) { return m_nodes[folder].count; }
    int Count(std::uint32_t folder) const { return m_nodes[folder].count; }
    size_t Size() const { return m_nodes.size(); }
    void Clear();

private:
    struct Node
    {
        std::uint64_t nameOffset;
        std::uint32_t parent;
        std::uint32_t nameLength;
        std::uint32_t hash;
        int count;
    };

    static std::uint32_t Hash(std::uint32_t parent, std::string_view name);
    std::string_view Name(const Node& node) const
    {
        return std::string_view(m_names).substr(size_t(node.nameOffset), node.nameLength);
    }
    std::uint32_t Lookup(std::uint32_t parent, std::string_view name, std::uint32_t hash) const;
    void Grow();

    std::vector<Node> m_nodes;
    std::string m_names;                // every folder's name (full path for the top ones), end to end
    std::vector<std::uint32_t> m_slots; // open addressing: node index + 1, 0 when free
    std::vector<std::uint32_t> m_tops;  // folders added with a full path
};
