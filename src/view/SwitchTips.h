#pragma once

#include <QString>

class CAppHelper;

// What the ignore switches do on this machine, in words: the folders each one skips, read from the
// special folders at the moment the text is asked for, so a tooltip always names the folders a search
// started now would skip.
namespace SwitchTips {

// The description of an ignore switch (a folder or file switch of the command panel); empty for
// any other command.
QString Description(int command);

// What kept the start folder of the engine's last run out of it: the command of the switch that
// skipped it, kVirtualFileSystem when it lies on a virtual file system (which no switch governs), or
// 0 when it was searched. Ask only while no walk runs.
constexpr int kVirtualFileSystem = -1;
int StartFolderSkippedBy(const CAppHelper& engine);

} // namespace SwitchTips
