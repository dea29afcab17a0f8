// Input files named by the user: a folder stands for the files of
// one kind directly inside it, in the order a person reads their names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yl::run {

// Names as a person orders them: letter case ignored (as the desktop
// program's lists order them) and runs of digits compared as numbers, so
// "Week 2" comes before "Week 10". Names equal that way keep byte order.
bool NaturalLess(std::string_view a, std::string_view b);

// Whether the name ends in `extension`, letter case ignored.
bool HasExtension(std::string_view name, std::string_view extension);

// Appends `argument` to `files`, or, when it is a folder, the files directly
// inside it whose names end in `extension` (letter case ignored; hidden files
// skipped) in natural order. Returns "" or what is wrong: a folder that
// cannot be read, or one without such a file.
std::string AddInput(const std::string& argument, std::string_view extension,
                     std::vector<std::string>& files);

}  // namespace yl::run
