#include "duplicates/scan/FreeSpace.h"

#include "platform/ActionLog.h"

#include <QtGlobal>
#include <algorithm>
#include <sys/stat.h>
#include <system_error>

namespace FreeSpace {
namespace {

Outcome FromStatus(platform::ReplaceStatus status)
{
    using platform::ReplaceStatus;
    switch (status) {
    case ReplaceStatus::Done:
        return Outcome::Done;
    case ReplaceStatus::AlreadyLinked:
        return Outcome::AlreadyLinked;
    case ReplaceStatus::AlreadyShared:
        return Outcome::AlreadyShared;
    case ReplaceStatus::Empty:
        return Outcome::Empty;
    case ReplaceStatus::Changed:
        return Outcome::Changed;
    case ReplaceStatus::KeptChanged:
        return Outcome::KeptChanged;
    case ReplaceStatus::OtherFileSystem:
        return Outcome::OtherFileSystem;
    case ReplaceStatus::NotSupported:
        return Outcome::NotSupported;
    case ReplaceStatus::Stopped:
        return Outcome::Stopped;
    case ReplaceStatus::Failed:
        break;
    }
    return Outcome::Failed;
}

std::string LogResult(const FileResult& result)
{
    if (result.outcome == Outcome::Done)
        return "done, " + std::to_string(result.freed) + " bytes freed";
    if (result.outcome == Outcome::Failed)
        return "failed: " + std::generic_category().message(result.error);
    std::string text = std::string("skipped: ") + ReasonText(result.outcome);
    if (result.freed > 0)
        text += ", " + std::to_string(result.freed) + " bytes freed";
    return text;
}

} // namespace

const char* ActionName(Method method)
{
    return method == Method::HardLink ? "hard-link" : "share";
}

const char* ReasonText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NotChecked:
        return QT_TRANSLATE_NOOP("FreeSpace", "not reached");
    case Outcome::Done:
        return QT_TRANSLATE_NOOP("FreeSpace", "done");
    case Outcome::Protected:
        return QT_TRANSLATE_NOOP("FreeSpace", "in a reference folder");
    case Outcome::NoCopyStays:
        return QT_TRANSLATE_NOOP("FreeSpace", "no unchanged copy stays in its group");
    case Outcome::NotInGroup:
        return QT_TRANSLATE_NOOP("FreeSpace", "in no group of identical contents");
    case Outcome::AlreadyLinked:
        return QT_TRANSLATE_NOOP("FreeSpace", "already a hard link of the file that stays");
    case Outcome::AlreadyShared:
        return QT_TRANSLATE_NOOP("FreeSpace", "already shares its space with the file that stays");
    case Outcome::Empty:
        return QT_TRANSLATE_NOOP("FreeSpace", "empty");
    case Outcome::Changed:
        return QT_TRANSLATE_NOOP("FreeSpace", "changed since the contents check");
    case Outcome::ChangedSinceListed:
        return QT_TRANSLATE_NOOP("FreeSpace", "changed since it was listed");
    case Outcome::KeptChanged:
        return QT_TRANSLATE_NOOP("FreeSpace", "the file that stays changed");
    case Outcome::OtherFileSystem:
        return QT_TRANSLATE_NOOP("FreeSpace", "on another file system than the file that stays");
    case Outcome::NotSupported:
        return QT_TRANSLATE_NOOP("FreeSpace", "its file system cannot share space between files");
    case Outcome::Stopped:
        return QT_TRANSLATE_NOOP("FreeSpace", "stopped part way");
    case Outcome::Failed:
        return QT_TRANSLATE_NOOP("FreeSpace", "failed");
    }
    return "";
}

namespace {

// `file` is still what the list shows. Its last change is not asked: moving another link of it
// to the trash changes that.
bool AsListed(const File& file)
{
    platform::FileIdentity now;
    if (!platform::IdentifyFile(file.path, &now))
        return false;
    const platform::FileIdentity& then = file.identity;
    return now.device == then.device && now.inode == then.inode && now.size == then.size &&
           (!file.timeKnown || (now.modified == then.modified && now.modifiedNs == then.modifiedNs));
}

} // namespace

TrashCheck::TrashCheck(std::vector<File> files) : m_files(std::move(files))
{
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (m_files[i].group >= 0 && !m_files[i].checked)
            m_staying[m_files[i].group].push_back(i);
    }
}

Outcome TrashCheck::Before(size_t i)
{
    const File& file = m_files[i];
    m_kept.clear();
    if (file.inReference)
        return Outcome::Protected;
    struct stat status;
    if (file.link ? ::lstat(file.path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)
                  : file.sized && !AsListed(file))
        return Outcome::ChangedSinceListed;
    const auto staying = m_staying.find(file.group);
    if (file.group < 0 || staying == m_staying.end())
        return Outcome::Done;
    std::vector<size_t>& candidates = staying->second;
    for (size_t at = 0; at < candidates.size(); ++at) {
        if (AsListed(m_files[candidates[at]])) {
            std::swap(candidates[0], candidates[at]); // asked first next time
            m_kept = m_files[candidates[0]].path;
            return Outcome::Done;
        }
    }
    return Outcome::NoCopyStays;
}

Report Run(Method method, const std::vector<File>& files, platform::ActionLog& log, const Progress& progress)
{
    Report report;
    report.files.resize(files.size());
    const char* action = ActionName(method);
    size_t handled = 0;
    const auto settle = [&](size_t i, FileResult result) {
        ++handled;
        report.freed += result.freed;
        if (result.outcome == Outcome::Done)
            ++report.done;
        else
            ++report.skipped[{result.outcome, result.outcome == Outcome::Failed ? result.error : 0}];
        log.Write(action, files[i].path, result.kept, LogResult(result));
        report.files[i] = std::move(result);
    };

    std::map<long long, std::vector<size_t>> groups;
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i].group >= 0)
            groups[files[i].group].push_back(i);
        else if (files[i].checked)
            settle(i, {files[i].inReference ? Outcome::Protected : Outcome::NotInGroup, 0, 0, {}});
    }

    for (const auto& [group, members] : groups) {
        // The copies that may stay, best first: the one marked, those in reference folders, then
        // the others in list order. Only one still as compared will do.
        std::vector<size_t> keepers;
        for (size_t i : members) {
            if (!files[i].checked && files[i].verified)
                keepers.push_back(i);
        }
        std::stable_sort(keepers.begin(), keepers.end(), [&](size_t a, size_t b) {
            return std::pair(!files[a].keeps, !files[a].inReference) <
                   std::pair(!files[b].keeps, !files[b].inReference);
        });
        size_t nextKeeper = 0;
        platform::KeptFile kept;
        bool keptOpen = false;
        const auto openKeeper = [&] {
            keptOpen = false;
            while (!keptOpen && nextKeeper < keepers.size()) {
                const File& file = files[keepers[nextKeeper++]];
                keptOpen = kept.Open(file.path, file.identity, method == Method::SharedCopy);
            }
            return keptOpen;
        };

        for (size_t i : members) {
            const File& file = files[i];
            if (!file.checked)
                continue;
            if (report.stopped || (progress && !progress(handled, 0))) {
                report.stopped = true;
                return report;
            }
            if (file.inReference) {
                settle(i, {Outcome::Protected, 0, 0, {}});
                continue;
            }
            if (!file.verified) {
                settle(i, {Outcome::Changed, 0, 0, {}});
                continue;
            }
            FileResult result{Outcome::NoCopyStays, 0, 0, {}};
            while (keptOpen || openKeeper()) {
                result.kept = kept.Path();
                log.Write(action, file.path, kept.Path(), "intent");
                const platform::ReplaceResult done =
                    method == Method::HardLink
                        ? platform::ReplaceWithHardLink(kept, file.path, file.identity)
                        : platform::ShareStorage(kept, file.path, file.identity, [&](std::uint64_t shared) {
                              return !progress || progress(handled, shared);
                          });
                result.outcome = FromStatus(done.status);
                result.error = done.error;
                result.freed = done.freed;
                if (done.status != platform::ReplaceStatus::KeptChanged)
                    break;
                // That copy changed: the next one that may stay takes its place.
                log.Write(action, file.path, kept.Path(), LogResult(result));
                keptOpen = false;
                result = {Outcome::NoCopyStays, 0, 0, {}};
            }
            if (result.outcome == Outcome::Stopped)
                report.stopped = true;
            settle(i, std::move(result));
        }
    }
    return report;
}

} // namespace FreeSpace
