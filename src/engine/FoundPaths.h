#pragma once

#include "engine/NameArena.h"

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A growing array whose elements never move: element i lives in block b, and block b holds twice
// as many elements as block b - 1. One thread appends; any thread may read the elements below the
// size it has read, while the appending goes on. Emptying it is for when no one reads.
template <class T> class StableArray
{
public:
    size_t size() const { return m_size.load(std::memory_order_acquire); }
    const T& operator[](size_t i) const
    {
        const auto [block, offset] = Locate(i);
        return m_blocks[block][offset];
    }
    void push_back(T value)
    {
        const size_t i = m_size.load(std::memory_order_relaxed);
        const auto [block, offset] = Locate(i);
        if (!m_blocks[block]) {
            // Plain elements are left untouched until written, so unused room costs no memory.
            const size_t count = size_t(1) << (block + kFirstBits);
            if constexpr (std::is_trivially_default_constructible_v<T>)
                m_blocks[block] = std::make_unique_for_overwrite<T[]>(count);
            else
                m_blocks[block] = std::make_unique<T[]>(count);
        }
        m_blocks[block][offset] = std::move(value);
        m_size.store(i + 1, std::memory_order_release);
    }
    void clear()
    {
        m_size.store(0, std::memory_order_release);
        for (auto& block : m_blocks)
            block.reset();
    }

private:
    static constexpr int kFirstBits = 10; // the first block holds 1,024 elements
    static std::pair<int, size_t> Locate(size_t i)
    {
        const size_t j = i + (size_t(1) << kFirstBits);
        const int block = int(std::bit_width(j)) - 1 - kFirstBits;
        return {block, j - (size_t(1) << (block + kFirstBits))};
    }
    std::array<std::unique_ptr<T[]>, 64 - kFirstBits> m_blocks;
    std::atomic<size_t> m_size{0};
};

// The full paths of the files that a run found, kept small: a table of folders (their exact bytes)
// and, per file, its folder's index and its name's exact bytes in a shared buffer. The path text is
// made only when it is read, and every path keeps its exact bytes.
//
// The walking thread appends; another thread may read size(), Last() and the entries below the
// size it read while the walk goes on, since nothing stored ever moves. clear() is for when no one
// reads.
class FoundPaths
{
public:
    FoundPaths() = default;
    FoundPaths(const FoundPaths&) = delete;
    FoundPaths& operator=(const FoundPaths&) = delete;

    int size() const { return int(m_files.size()); }
    bool isEmpty() const { return size() == 0; }
    // The path text of entry `index` (names that are not UTF-8 show replacement characters).
    QString at(int index) const;
    QString operator[](int index) const { return at(index); }
    // The exact path of entry `index`.
    std::string Native(int index) const;
    // The path text of the entry added last; empty when there is none.
    QString Last() const;
    bool contains(const QString& path) const;
    // Every path text, in order.
    QStringList Texts() const;

    // The walking thread: one found file, by its folder's and its name's exact bytes. Files of one
    // folder come one after another, so the folder is compared with the last one only.
    void Append(const std::string& nativeFolder, std::string_view name);
    // A found file by its path text (folder, "/", name).
    void append(const QString& path);
    void clear();

private:
    struct File
    {
        const char* name;
        std::uint32_t length;
        std::uint32_t folder;
    };
    StableArray<std::string> m_folders;
    StableArray<File> m_files;
    NameArena m_names;
};
