// Report files and their names.
#include "run/output_files.h"

#include <unistd.h>

#include <climits>
#include <new>

#include "run/errors.h"

namespace yl::run {

namespace {

std::string Cut(std::string_view text, long limit) {
  if (limit < 0) limit = 0;
  return std::string(text.substr(0, std::min<std::size_t>(text.size(), limit)));
}

}  // namespace

PrefixReply MakePrefixReply(std::string_view path) {
  return PrefixReply{std::string(path), NameWithoutExtension(path)};
}

std::string_view ReportSuffix(options::ReportMode mode) {
  switch (mode) {
    case options::ReportMode::kCumulative:
      return ".CS";
    case options::ReportMode::kLeague:
      return ".LL";
    case options::ReportMode::kPerPlay:
      return ".SD";
    case options::ReportMode::kGame:
      break;
  }
  return ".GS";
}

std::string FileNameSafe(std::string_view text) {
  std::string safe(text);
  for (char& c : safe) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || c == '/') c = '_';
  }
  if (safe == "." || safe == "..") safe.assign(safe.size(), '_');
  return safe;
}

namespace {

constexpr StagedFile::Kinds kReportKinds{ErrorKind::kReportWrite, ErrorKind::kReportRename,
                                         ErrorKind::kReportClose};

// Room for the prefix in a name of kMaxReportName bytes beside `added`.
long RoomBeside(std::size_t added) {
  return static_cast<long>(kMaxReportName) - static_cast<long>(added);
}

// Room in the list for a file about to be published, made first: a file
// with its name is always on the list that deletes it.
void ReserveListEntry(OutputFiles& files) {
  Allocating(ErrorKind::kReportListMemory, [&] { files.paths.reserve(files.paths.size() + 1); });
}

}  // namespace

std::string PlainPrefix(std::string_view prefix, options::ReportMode mode) {
  return Cut(prefix, RoomBeside(ReportSuffix(mode).size()));
}

void OpenNextStatFile(OutputFiles& files, options::ReportMode mode, const PrefixReply& reply) {
  files.filePrefix = PlainPrefix(reply.prefix, mode);
  files.currentPath = FolderOf(reply.path) + files.filePrefix + std::string(ReportSuffix(mode));
  if (const std::error_code error = files.current.Create(files.fileSystem, files.currentPath))
    FailOnFile(ErrorKind::kReportCreate, files.currentPath, error);
}

void CloseStatFile(OutputFiles& files, options::ReportMode mode) {
  if (!files.current.IsOpen()) return;
  const std::string suffix(ReportSuffix(mode));
  const std::string folder = FolderOf(files.currentPath);
  const auto nameFor = [&](int n) {
    if (n == 0) return files.currentPath;
    const std::string number = std::to_string(n);
    const std::string stem = suffix + ".";
    return folder + Cut(files.filePrefix, RoomBeside(stem.size() + number.size())) + stem + number;
  };
  ReserveListEntry(files);
  files.paths.push_back(
      files.current.Publish(nameFor, INT_MAX - 1, kReportKinds, files.currentPath));
}

void PublishGameFile(OutputFiles& files, options::ReportMode mode, std::string_view visiting,
                     std::string_view home) {
  if (!files.current.IsOpen()) return;
  const std::string teams =
      FileNameSafe(visiting.substr(0, 3)) + "@" + FileNameSafe(home.substr(0, 3));
  const std::string stem = std::string(ReportSuffix(mode)) + ".";
  const std::string folder = FolderOf(files.currentPath);
  const auto nameFor = [&](int n) {
    if (n == 0)
      return folder + Cut(files.filePrefix, RoomBeside(stem.size() + teams.size())) + stem + teams;
    const std::string number = std::to_string(n);
    return folder +
           Cut(files.filePrefix, RoomBeside(stem.size() + teams.size() + 1 + number.size())) +
           stem + teams + "." + number;
  };
  ReserveListEntry(files);
  files.paths.push_back(files.current.Publish(nameFor, kMaxRenameNumber, kReportKinds, nameFor(0)));
}

void DiscardStatFile(OutputFiles& files) {
  files.current.Discard();
}

void DeleteStatFiles(OutputFiles& files) {
  files.current.Discard();
  for (const std::string& path : files.paths) {
    if (const std::error_code error = files.fileSystem.Remove(path))
      FailOnFile(ErrorKind::kReportDelete, path, error);
  }
  files.paths.clear();
}

void AbandonStatFiles(OutputFiles& files) {
  // Unlinking directly reports nothing: the run has failed already, and
  // whatever cannot be removed stays.
  files.current.Discard();
  for (const std::string& path : files.paths)
    ::unlink(path.c_str());
  files.paths.clear();
}

}  // namespace yl::run
