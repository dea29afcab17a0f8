// Report files and their names.
#include "run/output_files.h"

#include <new>

#include "run/alert.h"
#include "run/compile_run.h"

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

std::string_view ReportSuffix(const CompileRun& run) {
  const options::OutputOptions& o = run.options;
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

void OpenNextStatFile(CompileRun& run, const PrefixReply& reply) {
  OutputFiles& files = run.outputFiles;
  files.filePrefix = Cut(reply.prefix, kMaxPrefix);
  const std::string suffix(ReportSuffix(run));
  const std::string stem = suffix + ".";
  std::string candidate = files.filePrefix + suffix;
  FSSpec spec;
  for (int n = 1; FSMakeFSSpec(0, reply.path, candidate, spec) == noErr; ++n) {
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix, 30 - static_cast<long>(stem.size() + number.size()));
    candidate = files.filePrefix + stem + number;
  }
  if (FSpCreate(spec) != noErr) {
    ErrorAlert("pFSpCreate error: WriteGameStats", "pCouldn't create new file.");
  }
  try {
    files.specs.push_back(SpecRecord{spec.path, spec.name});
  } catch (const std::bad_alloc&) {
    ErrorAlert("pCreateFSSpecList Error: Couldn't allocate SpecRecord record",
               "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.");
  }
  if (FSpOpenDF(spec, fsRdWrPerm, files.current) != noErr) {
    ErrorAlert("pFSpOpenDF error: WriteGameStats", "pCouldn't open created file.");
  }
  files.currentSpec = spec;
}

void CloseStatFile(CompileRun& run) {
  if (!run.outputFiles.current.IsOpen()) return;
  if (FSClose(run.outputFiles.current) != noErr) {
    ErrorAlert("pFSClose error: WriteGameStats", "pFile would not close.");
  }
}

void RenameGameFile(CompileRun& run, std::string_view visiting, std::string_view home) {
  OutputFiles& files = run.outputFiles;
  if (files.specs.empty()) return;
  SpecRecord& last = files.specs.back();
  const std::string teams =
      FileNameSafe(visiting.substr(0, 3)) + "@" + FileNameSafe(home.substr(0, 3));
  const std::string stem = run.options.gameStats ? ".GS." : ".SD.";
  const FSSpec closed{last.path, last.name};
  files.filePrefix = Cut(files.filePrefix, 30 - static_cast<long>(stem.size() + teams.size()));
  std::string candidate = files.filePrefix + stem + teams;
  // The numbered names are bounded: a name refused for another reason than
  // being taken must not loop for ever.
  for (int n = 1; FSpRename(closed, candidate) != noErr; ++n) {
    if (n > kMaxRenameNumber) {
      ErrorAlert("pFSpRename error: RenameGameFile", "pCouldn't rename file.");
    }
    const std::string number = std::to_string(n);
    files.filePrefix = Cut(files.filePrefix,
                           30 - static_cast<long>(stem.size() + teams.size() + 1 + number.size()));
    candidate = files.filePrefix + stem + teams + "." + number;
  }
  last.name = candidate;
  last.path = FolderOf(closed.path) + candidate;
}

void DeleteStatFiles(CompileRun& run) {
  for (const SpecRecord& record : run.outputFiles.specs) {
    if (FSpDelete(FSSpec{record.path, record.name}) != noErr) {
      ErrorAlert("pFSpDelete error: DeleteStatFiles", "pFile could not be deleted.");
    }
  }
  run.outputFiles.specs.clear();
}

void FreeSpecList(CompileRun& run) {
  run.outputFiles.specs.clear();
}

}  // namespace yl::run
