// Report files and their names.
#include "run/output_files.h"

#include <unistd.h>

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

void OpenNextStatFile(OutputFiles& files, options::ReportMode mode, const PrefixReply& reply) {
  files.filePrefix = Cut(reply.prefix, kMaxPrefix);
  const std::string suffix(ReportSuffix(mode));
  const std::string stem = suffix + ".";
  const std::string folder = FolderOf(reply.path);
  std::string path = folder + files.filePrefix + suffix;
  for (int n = 1;; ++n) {
    // A name that is taken, also one taken a moment ago by another run in
    // the same folder, passes to the next number.
    const std::error_code error = files.fileSystem.CreateNew(path, files.current);
    if (!error) break;
    if (error != std::errc::file_exists) FailOnFile(ErrorKind::kReportCreate, path, error);
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix, static_cast<long>(kMaxNumberedName) -
                                                 static_cast<long>(stem.size() + number.size()));
    path = folder + files.filePrefix + stem + number;
  }
  files.currentPath = path;
  Allocating(ErrorKind::kReportListMemory, [&] { files.paths.push_back(path); });
}

void CloseStatFile(OutputFiles& files) {
  if (!files.current.IsOpen()) return;
  if (const std::error_code error = files.current.Close())
    FailOnFile(ErrorKind::kReportClose, files.currentPath, error);
}

void RenameGameFile(OutputFiles& files, options::ReportMode mode, std::string_view visiting,
                    std::string_view home) {
  if (files.paths.empty()) return;
  std::string& last = files.paths.back();
  const std::string teams =
      FileNameSafe(visiting.substr(0, 3)) + "@" + FileNameSafe(home.substr(0, 3));
  const std::string stem = std::string(ReportSuffix(mode)) + ".";
  const std::string folder = FolderOf(last);
  const auto room = [&](std::size_t added) {
    return static_cast<long>(kMaxNumberedName) - static_cast<long>(added);
  };
  files.filePrefix = Cut(files.filePrefix, room(stem.size() + teams.size()));
  std::string target = folder + files.filePrefix + stem + teams;
  for (int n = 1;; ++n) {
    const std::error_code error = files.fileSystem.Rename(last, target);
    if (!error) break;
    // Only a taken name passes to the next number, and not for ever.
    if (error != std::errc::file_exists || n > kMaxRenameNumber)
      FailOnFile(ErrorKind::kReportRename, last, error);
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix, room(stem.size() + teams.size() + 1 + number.size()));
    target = folder + files.filePrefix + stem + teams + "." + number;
  }
  last = target;
}

void DeleteStatFiles(OutputFiles& files) {
  for (const std::string& path : files.paths) {
    if (const std::error_code error = files.fileSystem.Remove(path))
      FailOnFile(ErrorKind::kReportDelete, path, error);
  }
  files.paths.clear();
}

void AbandonStatFiles(OutputFiles& files) {
  // Closing by assignment and unlinking directly report nothing: the run has
  // failed already, and whatever cannot be removed stays.
  files.current = File();
  for (const std::string& path : files.paths)
    ::unlink(path.c_str());
  files.paths.clear();
}

}  // namespace yl::run
