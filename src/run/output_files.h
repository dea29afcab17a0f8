// Report files: named from the user's prefix and a suffix for the report
// kind, numbered when the name is taken, renamed after the two teams of a
// game in the separate-files mode, and listed so a stopped run can delete
// every one of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "options/output_options.h"
#include "run/file_layer.h"

namespace yl::run {

// What the prefix dialog gave: the full path the user named, and the prefix
// (that file's name without folder and extension).
struct PrefixReply {
  std::string path;
  std::string prefix;
};

PrefixReply MakePrefixReply(std::string_view path);

struct SpecRecord {
  std::string path;
  std::string name;
};

constexpr std::size_t kMaxPrefix = 28;
constexpr int kMaxRenameNumber = 1000;

struct OutputFiles {
  std::string filePrefix;  // at most 31 characters
  FSSpec currentSpec;
  OpenFile current;
  std::vector<SpecRecord> specs;  // in creation order
};

// ".GS", ".CS", ".LL" or ".SD": the first report kind the options select.
std::string_view ReportSuffix(const options::OutputOptions& options);

// A file name made from a team name: bytes the file system refuses or that
// would change the folder become "_".
std::string FileNameSafe(std::string_view text);

void OpenNextStatFile(OutputFiles& files, const options::OutputOptions& options,
                      const PrefixReply& reply);
void CloseStatFile(OutputFiles& files);
void RenameGameFile(OutputFiles& files, const options::OutputOptions& options,
                    std::string_view visiting, std::string_view home);
void DeleteStatFiles(OutputFiles& files);
void FreeSpecList(OutputFiles& files);
// After a fatal alert: closes the current file and deletes every report file
// of the run, as Stop does, without reporting anything.
void AbandonStatFiles(OutputFiles& files);

}  // namespace yl::run
