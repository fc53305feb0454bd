// The search filters as the walk applies them to each file: the name's filters, and the text
// inside files, searched in line or by helpers ahead of the walk (CContentAhead).
#include "engine/AppHelperFrame.h"
#include "platform/Paths.h"

#include <algorithm>
#include <dirent.h>

std::string_view CAppHelper::Relative(std::string_view path) const
{
    path.remove_prefix(std::min(m_startSize, path.size()));
    while (!path.empty() && path.front() == '/')
        path.remove_prefix(1);
    return path;
}

bool CAppHelper::FilePasses(const CFileFind& find)
{
    const Frame& frame = m_frames.back();
    const size_t offset = find.EntryOffset();
    bool gaveUp = false;
    bool passes = false;
    if (offset >= frame.namesFrom && offset < frame.contentsEnd && find.IsKnownRegular()) {
        passes = std::binary_search(frame.namesPassed.begin(), frame.namesPassed.end(), offset);
        gaveUp = std::binary_search(frame.namesGivenUp.begin(), frame.namesGivenUp.end(), offset);
    } else {
        passes = NamePasses(find.GetNativeName(), gaveUp);
    }
    if (gaveUp)
        ++m_filesNotRead;
    return passes;
}

bool CAppHelper::NamePasses(std::string_view name, bool& gaveUp)
{
    gaveUp = false;
    if (m_ignoreHiddenFiles && platform::IsHiddenName(name))
        return false;
    const SkipPatterns& skip = m_tests->Skip();
    if (!skip.Empty()) {
        std::string_view relative;
        if (skip.NeedsPath()) {
            m_relative.assign(Relative(m_path));
            if (!m_relative.empty())
                m_relative.push_back('/');
            m_relative.append(name);
            relative = m_relative;
        }
        if (skip.Skips(name, relative, false))
            return false;
    }
    return m_word->Empty() || m_word->Matches(name, m_fileName, &gaveUp);
}

bool CAppHelper::ContainsText(CFileFind& find)
{
    // Only regular files are read; anything else (a link, a FIFO, a device) holds no text.
    if (!find.IsRegularFile())
        return false;
    ContentOutcome outcome = ContentOutcome::NoDescriptors;
    bool done = false;
    if (m_contentAhead) {
        // Files read from the disk want many requests in flight; from memory, one helper per
        // processor besides the walk.
        if (++m_contentLooks % walk::kFilesPerLook == 0) {
            const long blocks = walk::BlocksRead();
            m_contentAhead->SetActive(blocks != m_contentBlocks ? walk::kContentThreads
                                                                : walk::ContentThreadsInMemory());
            m_contentBlocks = blocks;
        }
        Frame& frame = m_frames.back();
        const size_t offset = find.EntryOffset();
        if (offset >= frame.contentsEnd)
            SearchContentsAhead(frame, offset);
        done = frame.contents && m_contentAhead->Take(*frame.contents, offset, outcome);
        // A helper short of descriptors, or one that saw the file change meanwhile: here again.
        done = done && outcome != ContentOutcome::NoDescriptors && outcome != ContentOutcome::FilteredOut;
    }
    if (!done) {
        ContentTest test;
        test.text = m_tests->Text();
        test.binaryToo = m_tests->BinaryToo();
        test.run = &m_run;
        const std::string name(find.GetNativeName());
        outcome = ContentOutcome::NoDescriptors;
        for (int attempt = 0; attempt < 2 && outcome == ContentOutcome::NoDescriptors; ++attempt) {
            if (attempt > 0)
                LetGoOfLevels();
            const int folderFd = find.Handle();
            // A folder found replaced is no shortage: its remaining files go as for a folder removed.
            outcome = folderFd >= 0 ? SearchFileContents(folderFd, name.c_str(), test)
                      : find.Lost() ? ContentOutcome::NotRegular
                                    : ContentOutcome::NoDescriptors;
        }
    }
    if (outcome == ContentOutcome::Unreadable || outcome == ContentOutcome::NoDescriptors)
        ++m_filesNotRead;
    return outcome == ContentOutcome::Match;
}

void CAppHelper::SearchContentsAhead(Frame& frame, size_t offset)
{
    DropContents(frame);
    const CFileFind& find = *frame.find;
    if (m_descriptorsShort || !find.HoldsHandle() || !m_run)
        return;
    // The regular files from here on whose names pass, a bounded number at a time.
    constexpr size_t kBatchMost = 256;
    const std::vector<char>& entries = find.Entries();
    std::vector<CContentAhead::Item> items;
    size_t at = offset;
    while (at < entries.size() && items.size() < kBatchMost) {
        std::string_view name;
        unsigned char type = 0;
        const size_t here = at;
        at = CFileFind::EntryAt(entries, at, name, type);
        if (type != DT_REG)
            continue;
        bool gaveUp = false;
        if (NamePasses(name, gaveUp)) {
            items.push_back({here, std::string(name)});
            frame.namesPassed.push_back(here);
        } else if (gaveUp) {
            frame.namesGivenUp.push_back(here);
        }
    }
    frame.namesFrom = offset;
    frame.contentsEnd = at;
    // A few files are searched faster in line than handed over.
    constexpr size_t kBatchLeast = 4;
    if (items.size() >= kBatchLeast)
        frame.contents = m_contentAhead->Submit(find.Handle(), std::move(items));
}

void CAppHelper::DropContents(Frame& frame)
{
    if (frame.contents)
        m_contentAhead->Drop(frame.contents);
    frame.contents.reset();
    frame.contentsEnd = 0;
    frame.namesPassed.clear();
    frame.namesGivenUp.clear();
}
