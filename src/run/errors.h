// The error vocabulary: every condition the engine reports has a kind, and
// one table gives each kind the texts users see. A problem of the input is
// an entry of the error log and the run goes on; a fatal condition raises a
// FatalAlert, which each front end catches once: it shows the message,
// abandons the run and ends with status 1.
#pragma once

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace yl::run {

enum class ErrorKind : std::uint8_t {
  // Entries of the error log.
  kPlayerWithoutHash,
  kTeamNameChange,
  kFirstLine,
  kPlayHeader,
  kPlayDescription,
  kPlayGains,
  kPlayExtras,
  kTextAfterGame,  // a line after the end-of-game team box
  kNotATeamFile,   // a file given as a team file that holds no player entry
  kTeamFileCut,    // a team file that ends inside an entry
  kTeamFileLong,   // a team file with more entries than a team holds
  kGameCutShort,
  kBoxNumber,       // a number of the team box too large for its figure
  kSameTranscript,  // a transcript given twice in one run

  // Files that cannot be created, opened, read, written, renamed, closed or
  // deleted.
  kReportCreate,
  kReportWrite,
  kReportClose,
  kReportRename,
  kReportDelete,
  kTableCreate,
  kTableWrite,
  kTableClose,
  kTableRename,
  kSiteCreate,
  kSiteOpen,
  kSiteWrite,
  kSiteClose,
  kSiteRename,
  kLogCreate,
  kLogOpen,
  kLogWrite,
  kLogClose,
  kLogRename,
  kLogDiscardClose,  // closing the log of a stopped run
  kLogDelete,
  kTranscriptOpen,
  kTranscriptRead,
  kTranscriptClose,
  kTeamFileOpen,
  kTeamFileRead,
  kTeamFileClose,

  // Memory that cannot be had.
  kTranscriptMemory,
  kPlayRecordMemory,
  kPlayerRecordMemory,
  kTeamRecordMemory,
  kPlayerHashMemory,
  kLogBufferMemory,
  kReportBufferMemory,
  kReportListMemory,
  kScoringEntryMemory,
  kLongestRushMemory,
  kLongestPassMemory,
  kLongestReceptionMemory,
  kLongestFieldGoalMemory,
  kLongestPuntReturnMemory,
  kLongestKickReturnMemory,
  kSortMemory,
  kTranscriptListMemory,
  kTeamFileListMemory,
  kOutOfMemory,  // anywhere else

  // A game report without the game's two teams.
  kGameTeamsMissing,
};

// The texts of a kind: what happened and, for most fatal kinds, what to do
// (empty when there is nothing to say). An entry of the error log carries
// the first text.
struct ErrorText {
  std::string_view first;
  std::string_view second;
};
ErrorText TextOf(ErrorKind kind);

// A fatal condition: its kind, and for a file the path and the system's
// reason. what() is the message shown: the first text, then two blanks and
// the second text when there is one, then two blanks and the detail.
class FatalAlert : public std::runtime_error {
 public:
  FatalAlert(ErrorKind kind, std::string_view detail);

  ErrorKind kind() const { return kind_; }
  std::string Message() const { return what(); }

 private:
  ErrorKind kind_;
};

[[noreturn]] void Fail(ErrorKind kind, std::string_view detail = {});
// A file operation that failed: the detail is "path: reason".
[[noreturn]] void FailOnFile(ErrorKind kind, std::string_view path, std::error_code error);

// Runs make(); when memory runs out there, the kind's alert is raised
// instead, so that the message names what could not be made.
template <typename Make>
auto Allocating(ErrorKind kind, Make&& make) -> decltype(make()) {
  try {
    return make();
  } catch (const std::bad_alloc&) {
    Fail(kind);
  }
}

}  // namespace yl::run
