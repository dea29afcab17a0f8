// A folder of outputs written aside and moved into place in one step.
#include "run/staged_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "run/staged_file.h"

namespace yl::run {

namespace {

bool IsFolder(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Within(const std::string& folder, std::string_view relative) {
  return folder + "/" + std::string(relative);
}

}  // namespace

std::string FolderProblem(const std::string& path) {
  if (!PathTaken(path)) return {};
  if (!IsFolder(path)) return "is not a folder: " + path;
  std::error_code error;
  if (PathTaken(Within(path, kFolderMarker)) || std::filesystem::is_empty(path, error)) return {};
  if (error) return SystemReason(path, error);
  return "holds files Yardledger did not write (a site it writes holds " +
         std::string(kFolderMarker) + "): " + path;
}

bool RemoveTree(const std::string& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
  return !error;
}

StagedFolder::~StagedFolder() {
  lock_ = File();
  // Published: what stays hidden is the folder replaced. Not: the folder itself.
  if (!hidden_.empty()) RemoveTree(hidden_);
}

std::string StagedFolder::Meant(std::string_view relative) const {
  return relative.empty() ? final_ : Within(final_, relative);
}

void StagedFolder::Create(FileSystem& system, const std::string& finalPath,
                          std::string_view marker) {
  system_ = &system;
  final_ = finalPath;
  const std::string folder = FolderOf(finalPath);
  if (system.FirstVisit(folder)) SweepDeadStagedFiles(folder);
  const std::string head = folder + "." + NameOf(finalPath) + std::string(kStagedMark) +
                           std::to_string(::getpid()) + "-";
  for (;;) {
    std::string path = head + std::to_string(system.NextHiddenNumber());
    const std::error_code error = system.MakeFolder(path);
    if (error == std::errc::file_exists) continue;
    if (error) FailOnFile(kinds_.create, final_, error);
    hidden_ = std::move(path);
    break;
  }
  if (const std::error_code error = system.OpenFolder(hidden_, lock_))
    FailOnFile(kinds_.open, final_, error);
  // As with a hidden file: the lock keeps a later run's sweep away.
  (void)lock_.Lock();
  WriteFile(kFolderMarker, marker);
}

void StagedFolder::MakeFolder(std::string_view relative) {
  if (const std::error_code error = system_->MakeFolder(Within(hidden_, relative)))
    FailOnFile(kinds_.create, Meant(relative), error);
}

void StagedFolder::WriteFile(std::string_view relative, std::string_view bytes) {
  File file;
  if (const std::error_code error = system_->CreateNew(Within(hidden_, relative), file))
    FailOnFile(kinds_.create, Meant(relative), error);
  if (const std::error_code error = file.Write(bytes))
    FailOnFile(kinds_.write, Meant(relative), error);
  if (const std::error_code error = file.Close()) FailOnFile(kinds_.close, Meant(relative), error);
}

void StagedFolder::Publish() {
  if (const std::error_code error = lock_.SyncFileSystem()) FailOnFile(kinds_.write, final_, error);
  // What bears the name now: nothing, or a folder a run may replace (the
  // front end has checked; anything put there since is never touched).
  if (!FolderProblem(final_).empty())
    FailOnFile(kinds_.rename, final_, std::make_error_code(std::errc::file_exists));
  if (!PathTaken(final_)) {
    if (const std::error_code error = system_->Rename(hidden_, final_))
      FailOnFile(kinds_.rename, final_, error);
    hidden_.clear();
  } else {
    // The two swap names in one step: the name never stands empty, and the
    // old folder waits under the hidden name until the run has ended well.
    std::error_code error = system_->Exchange(hidden_, final_);
    if (error == std::errc::invalid_argument || error == std::errc::function_not_supported) {
      // A file system without the swap: the old folder steps aside first.
      const std::string aside = hidden_ + "-old";
      error = system_->Rename(final_, aside);
      if (!error) {
        error = system_->Rename(hidden_, final_);
        if (error) {
          (void)system_->Rename(aside, final_);
        } else {
          hidden_ = aside;
        }
      }
    }
    if (error) FailOnFile(kinds_.rename, final_, error);
    replaced_ = true;
  }
  published_ = true;
  lock_ = File();
}

void StagedFolder::Withdraw() {
  lock_ = File();
  if (published_) {
    if (!replaced_) {
      RemoveTree(final_);
    } else if (::renameat2(AT_FDCWD, hidden_.c_str(), AT_FDCWD, final_.c_str(), RENAME_EXCHANGE) !=
               0) {
      // The old folder cannot come back: the new one stays rather than none.
      hidden_.clear();
    }
    published_ = false;
    replaced_ = false;
  }
  if (!hidden_.empty()) RemoveTree(hidden_);
  hidden_.clear();
}

}  // namespace yl::run
