// The two input lists of a compile run.
#pragma once

#include <string>
#include <vector>

namespace yl::run {

// A transcript or a team file: its full path and its name (the file name
// without folder and extension).
struct InputFileRecord {
  std::string path;
  std::string name;
};

using TransRecord = InputFileRecord;
using TeamFileRecord = InputFileRecord;

// Builds a record from a path, deriving the name.
InputFileRecord MakeInputFileRecord(const std::string& path);

}  // namespace yl::run
