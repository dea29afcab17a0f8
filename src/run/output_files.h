// Report files: written aside (run/staged_file.h) and published under a name
// made from the user's prefix and a suffix for the report kind, numbered when
// the name is taken, or after the two teams of a game in the separate-files
// mode; listed so a stopped run can delete every one of them.
#pragma once

#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "options/output_options.h"
#include "run/file_layer.h"
#include "run/staged_file.h"

namespace yl::run {

// What the prefix dialog gave: the full path the user named, and the prefix
// (that file's name without folder and extension).
struct PrefixReply {
  std::string path;
  std::string prefix;
};

PrefixReply MakePrefixReply(std::string_view path);

// A report's name, number or teams included, is as long as the file system
// allows a name to be; the prefix is cut to leave room for the rest.
constexpr std::size_t kMaxReportName = NAME_MAX;
// The prefix of a plain report name (PREFIX.GS): what the suffix leaves.
std::string PlainPrefix(std::string_view prefix, options::ReportMode mode);
// The most numbered names a game file's rename tries before it gives up.
constexpr int kMaxRenameNumber = 1000;

struct OutputFiles {
  explicit OutputFiles(FileSystem& system) : fileSystem(system) {}
  OutputFiles(const OutputFiles&) = delete;
  OutputFiles& operator=(const OutputFiles&) = delete;

  FileSystem& fileSystem;
  std::string filePrefix;          // the user's prefix as cut for a plain name
  StagedFile current;              // the report file being written
  std::string currentPath;         // the plain name it is meant to have, for messages
  std::vector<std::string> paths;  // every report file published, in order
};

// ".GS", ".CS", ".LL" or ".SD": the report mode's suffix.
std::string_view ReportSuffix(options::ReportMode mode);

// A file name made from a team name: bytes the file system refuses or that
// would change the folder become "_".
std::string FileNameSafe(std::string_view text);

// Begins the next report file, under a hidden name.
void OpenNextStatFile(OutputFiles& files, options::ReportMode mode, const PrefixReply& reply);
// Publishes the report file under its plain name (PREFIX.LL, else
// PREFIX.LL.1, ...).
void CloseStatFile(OutputFiles& files, options::ReportMode mode);
// Publishes a game's own file under its teams' name (PREFIX.GS.Vis@Hom, else
// PREFIX.GS.Vis@Hom.1, ...).
void PublishGameFile(OutputFiles& files, options::ReportMode mode, std::string_view visiting,
                     std::string_view home);
// Drops the report file being written: it holds nothing to keep.
void DiscardStatFile(OutputFiles& files);
// A stop: the file being written and every published one go.
void DeleteStatFiles(OutputFiles& files);
// After a fatal alert: as DeleteStatFiles, without reporting anything.
void AbandonStatFiles(OutputFiles& files);

}  // namespace yl::run
