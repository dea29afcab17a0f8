// The file layer over POSIX file descriptors.
#include "run/file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace yl::run {

namespace {

// The one fault a test has injected; none in a program's run.
InjectedFileFault* injected = nullptr;

bool Injected(FileOp op) {
  return injected != nullptr && injected->Fails(op);
}

}  // namespace

InjectedFileFault::InjectedFileFault(FileFault fault) : fault_(fault) {
  injected = this;
}

InjectedFileFault::~InjectedFileFault() {
  if (injected == this) injected = nullptr;
}

bool InjectedFileFault::Fails(FileOp op) {
  if (op != fault_.op || Fired()) return false;
  if (++calls_ != fault_.nth) return false;
  errno = fault_.error;
  return true;
}

std::string SystemReason(std::string_view path, int error) {
  std::string text(path);
  text += ": ";
  text += std::strerror(error);
  return text;
}

OpenFile::~OpenFile() {
  if (fd_ >= 0) ::close(fd_);
}

OpenFile::OpenFile(OpenFile&& other) noexcept : fd_(other.fd_) {
  other.fd_ = -1;
}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

std::string FolderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string NameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string NameWithoutExtension(std::string_view path) {
  std::string name = NameOf(path);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

OSErr FSMakeFSSpec(std::int16_t, std::string_view fullPath, std::string_view name, FSSpec& spec) {
  spec.path = FolderOf(fullPath);
  spec.path += name;
  spec.name = std::string(name);
  // A name is taken by anything that exists under it, readable or not, so
  // that nothing is ever created over it.
  struct stat info;
  return ::lstat(spec.path.c_str(), &info) == 0 ? noErr : fnfErr;
}

OSErr FSpCreate(const FSSpec& spec, std::uint32_t, std::uint32_t, std::int16_t) {
  if (Injected(FileOp::kCreate)) return errno == EEXIST ? dupFNErr : ioErr;
  // Exclusive: a name taken between a caller's test and this creation is
  // never written over.
  const int fd = ::open(spec.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST ? dupFNErr : ioErr;
  return ::close(fd) == 0 ? noErr : ioErr;
}

bool IsDeviceOrPipe(const FSSpec& spec) {
  struct stat info;
  return ::stat(spec.path.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode));
}

OSErr FSpOpenDF(const FSSpec& spec, std::int16_t permission, OpenFile& file) {
  if (Injected(FileOp::kOpen)) return ioErr;
  const int flags = (permission == fsRdPerm ? O_RDONLY : O_RDWR) | O_CLOEXEC;
  const int fd = ::open(spec.path.c_str(), flags);
  if (fd < 0) return ioErr;
  struct stat info;
  const bool stated = ::fstat(fd, &info) == 0;
  if (!stated || S_ISDIR(info.st_mode)) {
    const int error = stated ? EISDIR : errno;
    ::close(fd);
    errno = error;
    return ioErr;
  }
  file = OpenFile();
  file.fd_ = fd;
  return noErr;
}

OSErr FSRead(OpenFile& file, std::int32_t count, void* buffer) {
  if (Injected(FileOp::kRead)) return ioErr;
  if (file.fd_ < 0 || count < 0) {
    errno = EBADF;
    return ioErr;
  }
  auto* out = static_cast<char*>(buffer);
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(file.fd_, out + done, static_cast<size_t>(count - done));
    if (got < 0) {
      if (errno == EINTR) continue;
      return ioErr;
    }
    if (got == 0) break;  // end of file: not reported
    done += static_cast<std::int32_t>(got);
  }
  return noErr;
}

OSErr FSWrite(OpenFile& file, std::int32_t count, const void* buffer) {
  if (Injected(FileOp::kWrite)) return ioErr;
  if (file.fd_ < 0 || count < 0) {
    errno = EBADF;
    return ioErr;
  }
  const auto* in = static_cast<const char*>(buffer);
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(file.fd_, in + done, static_cast<size_t>(count - done));
    if (put < 0) {
      if (errno == EINTR) continue;
      return ioErr;
    }
    done += static_cast<std::int32_t>(put);
  }
  return noErr;
}

OSErr GetEOF(OpenFile& file, std::int32_t& length) {
  struct stat info;
  if (file.fd_ < 0 || ::fstat(file.fd_, &info) != 0) return ioErr;
  if (info.st_size > INT32_MAX) return ioErr;
  length = static_cast<std::int32_t>(info.st_size);
  return noErr;
}

OSErr FSClose(OpenFile& file) {
  if (file.fd_ < 0) {
    errno = EBADF;
    return ioErr;
  }
  const int fd = file.fd_;
  file.fd_ = -1;
  if (Injected(FileOp::kClose)) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return ioErr;
  }
  return ::close(fd) == 0 ? noErr : ioErr;
}

OSErr FSpDelete(const FSSpec& spec) {
  if (Injected(FileOp::kDelete)) return ioErr;
  return ::unlink(spec.path.c_str()) == 0 ? noErr : ioErr;
}

OSErr FSpRename(const FSSpec& spec, std::string_view newName) {
  if (Injected(FileOp::kRename)) return ioErr;
  if (newName.empty() || newName.find('/') != std::string_view::npos) {
    errno = EINVAL;
    return ioErr;
  }
  const std::string target = FolderOf(spec.path) + std::string(newName);
  if (::renameat2(AT_FDCWD, spec.path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
    return noErr;
  if (errno != EINVAL && errno != ENOSYS) return ioErr;
  // File systems without the no-replace rename: a hard link fails when the
  // target exists, and the old name is removed only once the link stands.
  if (::link(spec.path.c_str(), target.c_str()) != 0) return ioErr;
  if (::unlink(spec.path.c_str()) != 0) {
    const int error = errno;
    ::unlink(target.c_str());
    errno = error;
    return ioErr;
  }
  return noErr;
}

void PtoCStr(unsigned char* text) {
  const std::size_t length = text[0] & 0x7F;
  std::memmove(text, text + 1, length);
  text[length] = 0;
}

void AskSaveFile(Platform& platform, std::string_view prompt, std::string_view defaultName,
                 SaveFileReply& reply) {
  std::string title(prompt.empty() ? prompt : prompt.substr(1));
  if (!title.empty() && title.back() == ':') title.back() = ' ';
  const std::string_view proposed = defaultName.empty() ? defaultName : defaultName.substr(1);
  reply = SaveFileReply();
  reply.good = platform.AskSaveFile(title, proposed, reply);
  reply.replacing = false;
}

}  // namespace yl::run
