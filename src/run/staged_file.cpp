// Outputs written aside and published by rename.
#include "run/staged_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <memory>

#include "run/staged_folder.h"

namespace yl::run {

namespace {

// Room left in a hidden name for the final name's own bytes.
constexpr std::size_t kHiddenNameRoom = NAME_MAX - 40;

// The process that made a hidden file, from its name (".NAME.yl-PID-N");
// 0 for a name that is not one.
pid_t MakerOf(std::string_view name) {
  if (!name.starts_with('.')) return 0;
  const auto mark = name.rfind(kStagedMark);
  if (mark == std::string_view::npos) return 0;
  const std::string_view rest = name.substr(mark + kStagedMark.size());
  const auto dash = rest.find('-');
  if (dash == std::string_view::npos) return 0;
  const auto digits = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::string_view pid = rest.substr(0, dash);
  if (!digits(pid) || !digits(rest.substr(dash + 1))) return 0;
  pid_t value = 0;
  const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
  return error == std::errc() && end == pid.data() + pid.size() ? value : 0;
}

bool Alive(pid_t pid) {
  return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

StagedFile::StagedFile(StagedFile&& other) noexcept
    : system_(other.system_), file_(std::move(other.file_)), hidden_(std::move(other.hidden_)) {
  other.hidden_.clear();
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    Discard();
    system_ = other.system_;
    file_ = std::move(other.file_);
    hidden_ = std::move(other.hidden_);
    other.hidden_.clear();
  }
  return *this;
}

std::error_code StagedFile::Create(FileSystem& system, std::string_view finalPath) {
  Discard();
  system_ = &system;
  const std::string folder = FolderOf(finalPath);
  if (system.FirstVisit(folder)) SweepDeadStagedFiles(folder);
  const std::string name = NameOf(finalPath).substr(0, kHiddenNameRoom);
  const std::string head =
      folder + "." + name + std::string(kStagedMark) + std::to_string(::getpid()) + "-";
  for (;;) {
    // A name left by an earlier process of the same number passes to the next.
    std::string path = head + std::to_string(system.NextHiddenNumber());
    const std::error_code error = system.CreateNew(path, file_);
    if (error == std::errc::file_exists) continue;
    if (error) return error;
    hidden_ = std::move(path);
    break;
  }
  // The lock tells a later run that the file is in use; it cannot fail on a
  // file just made, and a file system without locks only loses the sweep.
  (void)file_.Lock();
  return {};
}

std::string StagedFile::Publish(const std::function<std::string(int)>& nameFor, int maxNumber,
                                const Kinds& kinds, std::string_view wanted) {
  if (const std::error_code error = file_.Sync()) FailOnFile(kinds.write, wanted, error);
  std::string path = nameFor(0);
  for (int n = 1;; ++n) {
    // Renamed while still open and locked, so no sweep can take it meanwhile.
    const std::error_code error = system_->Rename(hidden_, path);
    if (!error) break;
    if (error != std::errc::file_exists || n > maxNumber) FailOnFile(kinds.rename, wanted, error);
    path = nameFor(n);
  }
  hidden_.clear();
  if (const std::error_code error = file_.Close()) {
    // The caller has not listed the file yet: it goes here, as the run will.
    ::unlink(path.c_str());
    FailOnFile(kinds.close, path, error);
  }
  return path;
}

void StagedFile::Discard() {
  file_ = File();
  if (!hidden_.empty()) ::unlink(hidden_.c_str());
  hidden_.clear();
}

void SweepDeadStagedFiles(std::string_view folder) {
  const std::string path = folder.empty() ? std::string(".") : std::string(folder);
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
  if (!dir) return;
  const int dirFd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    const pid_t maker = MakerOf(name);
    if (maker == 0 || (maker != ::getpid() && Alive(maker))) continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info;
    // A held lock is a live run's file or folder (one of this process among
    // them).
    if (::fstat(fd, &info) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (S_ISREG(info.st_mode)) ::unlinkat(dirFd, entry->d_name, 0);
      // A folder only when it is a run's: it holds the marker from its start.
      const std::string where = std::string(folder) + entry->d_name;
      if (S_ISDIR(info.st_mode) && PathTaken(where + "/" + std::string(kFolderMarker)))
        RemoveTree(where);
    }
    ::close(fd);
  }
}

}  // namespace yl::run
