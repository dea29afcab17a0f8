// The file layer: every file the engine touches goes through these calls,
// which keep a classic file manager's names and 16-bit result codes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "run/platform.h"

namespace yl::run {

using OSErr = std::int16_t;

constexpr OSErr noErr = 0;
constexpr OSErr ioErr = -1;      // any other failure of the platform operation
constexpr OSErr eofErr = -39;    // never produced here; kept for callers that test it
constexpr OSErr fnfErr = -43;    // FSMakeFSSpec: no file of that name
constexpr OSErr dupFNErr = -48;  // FSpCreate: the name is taken

constexpr std::int16_t fsRdPerm = 0;
constexpr std::int16_t fsRdWrPerm = 2;

// An open file owned by the caller; closed by FSClose or, failing that, when
// the object is destroyed.
class OpenFile {
 public:
  OpenFile() = default;
  ~OpenFile();
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  OpenFile(OpenFile&& other) noexcept;
  OpenFile& operator=(OpenFile&& other) noexcept;

  bool IsOpen() const { return fd_ >= 0; }

 private:
  friend OSErr FSpOpenDF(const FSSpec&, std::int16_t, OpenFile&);
  friend OSErr FSRead(OpenFile&, std::int32_t, void*);
  friend OSErr FSWrite(OpenFile&, std::int32_t, const void*);
  friend OSErr GetEOF(OpenFile&, std::int32_t&);
  friend OSErr FSClose(OpenFile&);
  int fd_ = -1;
};

// The folder part of a path, with its closing separator ("" for a bare name).
std::string FolderOf(std::string_view path);
// The last component of a path.
std::string NameOf(std::string_view path);
// The last component without its extension (the part after the last ".").
std::string NameWithoutExtension(std::string_view path);

// Every operation that fails leaves errno at the platform's reason and makes
// no system call after the failing one, so that the caller can name it.

// spec := folder of fullPath + name. noErr when anything at all bears that
// name (a file, a folder, an unreadable file), fnfErr otherwise.
OSErr FSMakeFSSpec(std::int16_t volume, std::string_view fullPath, std::string_view name,
                   FSSpec& spec);
// Creates a new, empty file and closes it again. Never touches a file that
// exists: anything of that name, also one made a moment ago by another
// process, gives dupFNErr.
OSErr FSpCreate(const FSSpec& spec, std::uint32_t creator = 0, std::uint32_t type = 0,
                std::int16_t script = 0);
// True when the name stands for a character device or a pipe (/dev/null, a
// terminal, /dev/stderr): written to, such a name replaces nothing.
bool IsDeviceOrPipe(const FSSpec& spec);
// Opens an existing file at its start; no creation, no truncation.
OSErr FSpOpenDF(const FSSpec& spec, std::int16_t permission, OpenFile& file);
// Reads up to count bytes; a short read at the end of the file is not reported.
OSErr FSRead(OpenFile& file, std::int32_t count, void* buffer);
OSErr FSWrite(OpenFile& file, std::int32_t count, const void* buffer);
OSErr GetEOF(OpenFile& file, std::int32_t& length);
OSErr FSClose(OpenFile& file);
OSErr FSpDelete(const FSSpec& spec);
// Renames within the folder; never replaces an existing file of the new name.
OSErr FSpRename(const FSSpec& spec, std::string_view newName);
// Length-prefixed text (first byte 0..127) to zero-terminated, in place.
void PtoCStr(unsigned char* text);

// "path: reason", the system's text of an errno value, for the messages of
// the fatal alert.
std::string SystemReason(std::string_view path, int error);

// A test seam: while an InjectedFileFault lives, the nth call of its
// operation (counted from its construction) fails as the platform's call
// would, with errno set to its error. Nothing is injected otherwise.
enum class FileOp : std::uint8_t { kCreate, kOpen, kRead, kWrite, kClose, kRename, kDelete };

struct FileFault {
  FileOp op;
  int nth;  // 1: the next call
  int error;
};

class InjectedFileFault {
 public:
  explicit InjectedFileFault(FileFault fault);
  ~InjectedFileFault();
  InjectedFileFault(const InjectedFileFault&) = delete;
  InjectedFileFault& operator=(const InjectedFileFault&) = delete;

  // Whether the failure has been given.
  bool Fired() const { return calls_ >= fault_.nth; }
  // Counts a call of op; true when this call is to fail.
  bool Fails(FileOp op);

 private:
  FileFault fault_;
  int calls_ = 0;
};

// The save-file question of the error log. prompt and defaultName carry their
// hidden first character; a closing ":" of the prompt is shown as a blank.
void AskSaveFile(Platform& platform, std::string_view prompt, std::string_view defaultName,
                 SaveFileReply& reply);

}  // namespace yl::run
