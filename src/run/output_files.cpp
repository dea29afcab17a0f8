// Report files and their names.
#include "run/output_files.h"

#include <unistd.h>
#include <cerrno>
#include <new>

#include "run/alert.h"

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

std::string_view ReportSuffix(const options::OutputOptions& o) {
  if (o.gameStats) return ".GS";
  if (o.cumulativeStats) return ".CS";
  if (o.leagueStats) return ".LL";
  if (o.perPlayStats) return ".SD";
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

void OpenNextStatFile(OutputFiles& files, const options::OutputOptions& options,
                      const PrefixReply& reply) {
  files.filePrefix = Cut(reply.prefix, kMaxPrefix);
  const std::string suffix(ReportSuffix(options));
  const std::string stem = suffix + ".";
  std::string candidate = files.filePrefix + suffix;
  FSSpec spec;
  for (int n = 1;; ++n) {
    // A name that is taken, also one taken between this test and the
    // creation (another run in the same folder), passes to the next number.
    if (FSMakeFSSpec(0, reply.path, candidate, spec) != noErr) {
      const OSErr created = FSpCreate(spec);
      if (created == noErr) break;
      if (created != dupFNErr)
        FileAlert("pFSpCreate error: WriteGameStats", "pCouldn't create new file.", spec.path);
    }
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix, 30 - static_cast<long>(stem.size() + number.size()));
    candidate = files.filePrefix + stem + number;
  }
  try {
    files.specs.push_back(SpecRecord{spec.path, spec.name});
  } catch (const std::bad_alloc&) {
    ErrorAlert("pCreateFSSpecList Error: Couldn't allocate SpecRecord record",
               "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.");
  }
  if (FSpOpenDF(spec, fsRdWrPerm, files.current) != noErr) {
    FileAlert("pFSpOpenDF error: WriteGameStats", "pCouldn't open created file.", spec.path);
  }
  files.currentSpec = spec;
}

void CloseStatFile(OutputFiles& files) {
  if (!files.current.IsOpen()) return;
  if (FSClose(files.current) != noErr) {
    FileAlert("pFSClose error: WriteGameStats", "pFile would not close.", files.currentSpec.path);
  }
}

void RenameGameFile(OutputFiles& files, const options::OutputOptions& options,
                    std::string_view visiting, std::string_view home) {
  if (files.specs.empty()) return;
  SpecRecord& last = files.specs.back();
  const std::string teams =
      FileNameSafe(visiting.substr(0, 3)) + "@" + FileNameSafe(home.substr(0, 3));
  const std::string stem = options.gameStats ? ".GS." : ".SD.";
  const FSSpec closed{last.path, last.name};
  files.filePrefix = Cut(files.filePrefix, 30 - static_cast<long>(stem.size() + teams.size()));
  std::string candidate = files.filePrefix + stem + teams;
  for (int n = 1; FSpRename(closed, candidate) != noErr; ++n) {
    // Only a taken name passes to the next number, and not for ever.
    if (errno != EEXIST || n > kMaxRenameNumber)
      FileAlert("pFSpRename error: RenameGameFile", "pCouldn't rename file.", closed.path);
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix,
                           30 - static_cast<long>(stem.size() + teams.size() + 1 + number.size()));
    candidate = files.filePrefix + stem + teams + "." + number;
  }
  last.name = candidate;
  last.path = FolderOf(closed.path) + candidate;
}

void DeleteStatFiles(OutputFiles& files) {
  for (const SpecRecord& record : files.specs) {
    if (FSpDelete(FSSpec{record.path, record.name}) != noErr) {
      FileAlert("pFSpDelete error: DeleteStatFiles", "pFile could not be deleted.", record.path);
    }
  }
  files.specs.clear();
}

void FreeSpecList(OutputFiles& files) {
  files.specs.clear();
}

void AbandonStatFiles(OutputFiles& files) {
  // Closing by assignment and unlinking directly report nothing: the run has
  // failed already, and whatever cannot be removed stays.
  files.current = OpenFile();
  for (const SpecRecord& record : files.specs)
    ::unlink(record.path.c_str());
  files.specs.clear();
}

}  // namespace yl::run
