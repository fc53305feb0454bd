#pragma once

#include <QString>
#include <string>
#include <string_view>

// Natural, case-insensitive order of names and paths: "file2" before "file10", "A" beside "a".
// Each text becomes a key whose plain byte order is that order, so a million rows sort by memcmp:
// letters are case-folded, every run of ASCII digits loses its leading zeros and is preceded by its
// length, and "/" sorts before every other character so a folder comes right before its sub-folders.
namespace NaturalOrder {

// Appends the key of `text` (native bytes; what is not UTF-8 is read as replacement characters).
void AppendKey(std::string_view text, std::string& out);
std::string Key(std::string_view text);
std::string Key(const QString& text);

// <0, 0 or >0 as `a` comes before, with or after `b`. Texts that differ only in letter case or in
// leading zeros compare equal.
int Compare(const QString& a, const QString& b);

} // namespace NaturalOrder
