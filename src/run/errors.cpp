// The texts of every error kind, and the fatal alert.
#include "run/errors.h"

#include <array>

#include "run/file_layer.h"

namespace yl::run {

namespace {

// What a run that ran out of memory can do about it.
constexpr std::string_view kMoreMemory =
    "The run is out of memory: close other programs or raise its limit (ulimit -v), and run it "
    "again.";
constexpr std::string_view kMoreMemoryCapital = kMoreMemory;

struct KindText {
  ErrorKind kind;
  ErrorText text;
};

using enum ErrorKind;

// In the order of the kinds.
constexpr KindText kTexts[] = {
    {kPlayerWithoutHash, {"Player doesn't start with a #", {}}},
    {kTeamNameChange, {"Tried to change team name of player", {}}},
    {kFirstLine, {"Don't understand first line of transcript", {}}},
    {kPlayHeader, {"Don't understand play header", {}}},
    {kPlayDescription, {"Don't understand play description", {}}},
    {kPlayGains, {"Don't understand play gains", {}}},
    {kPlayExtras, {"Don't understand play extras", {}}},
    {kTextAfterGame, {"Text after the end of the game not read", {}}},
    {kNotATeamFile, {"Not a team file", {}}},
    {kTeamFileCut, {"Team file cut short", {}}},
    {kTeamFileLong, {"Team file has more than 45 players; the rest not read", {}}},
    {kGameCutShort, {"Game cut short", {}}},
    {kBoxNumber, {"Number too large in the team box", {}}},
    {kSameTranscript, {"Same transcript given twice; compiled once", {}}},

    {kReportCreate, {"FSpCreate error: WriteGameStats", "Couldn't create new file."}},
    {kReportWrite, {"FSWrite error: WriteGameStats", "Couldn't write to file."}},
    {kReportClose, {"FSClose error: WriteGameStats", "File would not close."}},
    {kReportRename, {"FSpRename error: RenameGameFile", "Couldn't rename file."}},
    {kReportDelete, {"FSpDelete error: DeleteStatFiles", "File could not be deleted."}},
    {kTableCreate, {"FSpCreate error: WriteTable", "Couldn't create new file."}},
    {kTableWrite, {"FSWrite error: WriteTable", "Couldn't write to file."}},
    {kTableClose, {"FSClose error: WriteTable", "File would not close."}},
    {kTableRename, {"FSpRename error: WriteTable", "Couldn't rename file."}},
    {kSiteCreate, {"FSpCreate error: WriteSite", "Couldn't create new file."}},
    {kSiteOpen, {"FSpOpenDF error: WriteSite", "Couldn't open created file."}},
    {kSiteWrite, {"FSWrite error: WriteSite", "Couldn't write to file."}},
    {kSiteClose, {"FSClose error: WriteSite", "File would not close."}},
    {kSiteRename, {"FSpRename error: PublishSite", "Couldn't rename file."}},
    {kLogCreate, {"FSpCreate error: WriteErrorBuffer", "Couldn't create new file."}},
    {kLogOpen, {"FSpOpenDF error: WriteErrorBuffer", "Couldn't open created file."}},
    {kLogWrite, {"FSWrite error: WriteErrorBuffer", "Couldn't write to file."}},
    {kLogClose, {"FSClose error: DumpErrorLog", "File would not close."}},
    {kLogRename, {"FSpRename error: DumpErrorLog", "Couldn't rename file."}},
    {kLogDiscardClose, {"FSClose error: DeleteErrorLog", "File would not close."}},
    {kLogDelete, {"FSpDelete error: DeleteErrorLog", "File could not be deleted."}},
    {kTranscriptOpen, {"Transcript FSpOpenDF() Error", "Couldn't open transcript."}},
    {kTranscriptRead, {"Transcript FSRead() Error", "Couldn't read transcript."}},
    {kTranscriptClose, {"Transcript FSClose() Error: Unexpected EOF", {}}},
    {kTeamFileOpen, {"Team File FSpOpenDF() Error", {}}},
    {kTeamFileRead, {"Team File FSRead() Error", {}}},
    {kTeamFileClose, {"Team File FSClose() Error", {}}},

    {kTranscriptMemory,
     {"Transcript Error: Couldn't allocate memory for transcript.", kMoreMemory}},
    {kPlayRecordMemory, {"ProcessTranscript Error: Couldn't allocate play record.", kMoreMemory}},
    {kPlayerRecordMemory,
     {"CreatePlayerRecord Error: Not enough memory for player record.", kMoreMemoryCapital}},
    {kTeamRecordMemory,
     {"CreateTeamRecord: Not enough memory for team record.", kMoreMemoryCapital}},
    {kPlayerHashMemory, {"CreatePlayerHash Error: Out of memory!", kMoreMemory}},
    {kLogBufferMemory, {"InitErrorLog Error: Couldn't allocate buffer for output.", kMoreMemory}},
    {kReportBufferMemory,
     {"InitWriteBuffer Error: Couldn't allocate buffer for output.", kMoreMemory}},
    {kReportListMemory,
     {"CreateFSSpecList Error: Couldn't allocate SpecRecord record", kMoreMemory}},
    {kScoringEntryMemory, {"CreateScoringDrive Error: Couldn't allocate SD record", kMoreMemory}},
    {kLongestRushMemory, {"EnterLongestRush Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kLongestPassMemory, {"EnterLongestPass Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kLongestReceptionMemory,
     {"EnterLongestReception Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kLongestFieldGoalMemory,
     {"EnterLongestFG Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kLongestPuntReturnMemory,
     {"EnterLongestPuntRet Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kLongestKickReturnMemory,
     {"EnterLongestKickRet Error: Couldn't allocate LongestRecord", kMoreMemory}},
    {kSortMemory, {"SortPlayersByStats Error: Couldn't allocate PlayerArray", kMoreMemory}},
    {kTranscriptListMemory, {"CreateTransRecord Error: Out of memory!", kMoreMemory}},
    {kTeamFileListMemory, {"CreateTeamFileRecord Error: Out of memory!", kMoreMemory}},
    {kOutOfMemory, {"Yardledger Error: Out of memory!", kMoreMemory}},

    {kGameTeamsMissing, {"WriteGameStats: Couldn't find visiting or home team", {}}},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    if (static_cast<std::size_t>(kTexts[i].kind) != i) return false;
  }
  return static_cast<std::size_t>(kGameTeamsMissing) + 1 == std::size(kTexts);
}
static_assert(InKindOrder(), "one row of texts per kind, in the kinds' order");

std::string MessageOf(ErrorKind kind, std::string_view detail) {
  const ErrorText text = TextOf(kind);
  std::string message(text.first);
  for (const std::string_view more : {text.second, detail}) {
    if (more.empty()) continue;
    message += "  ";
    message += more;
  }
  return message;
}

}  // namespace

ErrorText TextOf(ErrorKind kind) {
  return kTexts[static_cast<std::size_t>(kind)].text;
}

FatalAlert::FatalAlert(ErrorKind kind, std::string_view detail)
    : std::runtime_error(MessageOf(kind, detail)), kind_(kind) {}

void Fail(ErrorKind kind, std::string_view detail) {
  throw FatalAlert(kind, detail);
}

void FailOnFile(ErrorKind kind, std::string_view path, std::error_code error) {
  Fail(kind, SystemReason(path, error));
}

}  // namespace yl::run
