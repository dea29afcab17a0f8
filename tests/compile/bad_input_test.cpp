// Bad transcripts, each with its outcome: compiled or rejected, and the
// error-log entries it leaves. The inputs are made here from a hand-written
// game (the golden overtime game) and the small test game.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <functional>
#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

namespace yl::compile {
namespace {

const std::string kHeader = "Don't understand play header";
const std::string kDescription = "Don't understand play description";
const std::string kExtras = "Don't understand play extras";
const std::string kFirstLine = "Don't understand first line of transcript";
const std::string kCutShort = "Game cut short";
const std::string kGains = "Don't understand play gains";
const char* const kCarry = "#33-Carter took the hand-off... #91-Brooks took him down.  ";

std::string Golden() {
  return test::ReadFileBytes(std::string(YL_GOLDEN_DIR) + "/overtime/game.txt");
}

// The golden game cut after k eighths of its bytes.
std::string Cut(int eighths) {
  const std::string game = Golden();
  return game.substr(0, game.size() * static_cast<std::size_t>(eighths) / 8);
}

// Every "\n" of the text as the given line ends, in turn.
std::string WithLineEnds(const std::string& text, std::vector<std::string> ends) {
  std::string out;
  std::size_t next = 0;
  for (const char c : text) {
    if (c != '\n') {
      out += c;
      continue;
    }
    out += ends[next];
    next = (next + 1) % ends.size();
  }
  return out;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Random(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t seed = 2024;
  for (char& c : bytes) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return bytes;
}

std::string Plays(const std::vector<std::string>& descriptions) {
  std::string text = "Bears (1-0) vs Lions (0-1)\n";
  for (const std::string& description : descriptions) {
    text +=
        "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
        "their own 25 yard line...\n" +
        description + "\nGain of 4 yards on the play.  The ball is on the 29 yard line.  \n";
  }
  return text + "The game is over.\n" + test::TeamBox("Bears", "Lions", "\n");
}

struct BadInput {
  const char* name;
  std::function<std::string()> text;
  bool compiled;
  std::vector<std::string> logged;  // the messages of the entries, in order
  std::vector<std::string> inReport = {};
};

const std::string k32(32, 'N');

const BadInput kInputs[] = {
    {"Empty", [] { return std::string(); }, false, {kFirstLine}},
    {"OneLine",
     [] { return std::string("Bears (1-0) vs Lions (0-1)\n"); },
     false,
     {kHeader, kCutShort}},
    {"BinaryGarbage", [] { return Random(4096); }, false, {kFirstLine}},
    // Cut inside its plays, the game ends before "The game is over.": the
    // last, broken line is logged, then the cut, and the transcript rejected.
    {"CutAtOneEighth", [] { return Cut(1); }, false, {kHeader, kCutShort}},
    {"CutAtTwoEighths", [] { return Cut(2); }, false, {kHeader, kCutShort}},
    {"CutAtThreeEighths", [] { return Cut(3); }, false, {kHeader, kCutShort}},
    {"CutAtFourEighths", [] { return Cut(4); }, false, {kDescription, kCutShort}},
    {"CutAtFiveEighths", [] { return Cut(5); }, false, {kHeader, kCutShort}},
    {"CutAtSixEighths", [] { return Cut(6); }, false, {kHeader, kCutShort}},
    // Cut inside the team box: no game of no points, but a rejection.
    {"CutAtSevenEighths", [] { return Cut(7); }, false, {kCutShort}},
    // An editor's byte-order mark is no part of the visiting team's name.
    {"ByteOrderMark", [] { return "\xEF\xBB\xBF" + Golden(); }, true, {}, {"T\n\nHawks"}},
    {"CrOnly", [] { return WithLineEnds(Golden(), {"\r"}); }, true, {}},
    {"MixedLineEnds",
     [] {
       return WithLineEnds(Golden(), {"\r\n", "\n", "\r\n", "\r"});
     },
     true,
     {}},
    {"TenMegabyteLine",
     [] {
       return Replace(Golden(), "#28-Moss took the hand-off... #52-Cruz tackled him.  ",
                      "#28-Moss took the hand-off... " + std::string(10 << 20, 'x'));
     },
     true,
     {kDescription}},
    {"NulInANameAndAnFFLine",
     [] {
       return Replace(Replace(Golden(), "#84-Ward", std::string("#84-Wa\0rd", 9)),
                      "The first quarter is over.\n", std::string(40, '\xff') + "\n");
     },
     true,
     {kExtras}},
    {"SameTeamTwice", [] { return Replace(Golden(), "vs Owls", "vs hawks"); }, false, {kFirstLine}},
    {"TeamNameOf0", [] { return test::SmallGame("", "Lions"); }, false, {kFirstLine}},
    {"TeamNameOf32", [] { return test::SmallGame(k32, "Lions"); }, true, {}},
    {"TeamNameOf33", [] { return test::SmallGame(k32 + "N", "Lions"); }, false, {kFirstLine}},
    {"TeamNameOf64", [] { return test::SmallGame(k32 + k32, "Lions"); }, false, {kFirstLine}},
    // One or two digits and a separator byte make a token's number: "#100-Big"
    // holds a number too large for a jersey and "#ab" none, so neither names
    // anybody and their descriptions are not understood.
    {"JerseyNumbers",
     [] {
       return Plays({"#0-Zero took the hand-off... #99-Niner took him down.  ",
                     "#100-Big took the hand-off... #55-Hill took him down.  ",
                     "#ab-Bad took the hand-off... #55-Hill took him down.  "});
     },
     true,
     {kDescription, kDescription},
     {"#0-Zero [", "#99-Niner ["}},
    // Numbers too large for their figures make their lines not understood,
    // and a box that holds one makes the game rejected; none wraps around.
    {"GainTooLarge",
     [] { return Replace(Plays({kCarry}), "Gain of 4 yards", "Gain of 65541 yards"); },
     true,
     {kGains}},
    {"ClockTooLarge",
     [] {
       return Replace(Plays({kCarry, kCarry}), "14:52", "65550:52");
     },
     true,
     {kHeader}},
    {"BoxNumberTooLarge",
     [] {
       return Replace(Golden(), "Rushing Yards                  100",
                      "Rushing Yards  99999999999999");
     },
     false,
     {"Number too large in the team box"}},
};

class BadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, HasItsOutcome) {
  const BadInput& input = GetParam();
  test::TempDir dir;
  ::mkdir(dir.File("out").c_str(), 0755);
  test::FakePlatform platform;
  platform.saveAnswer = dir.File("out/log");
  options::OutputOptions options;
  options.lineEnds = options::LineEnds::kUnix;
  CompileRun run(platform, options);
  const run::TransRecord record = run::MakeInputFileRecord(dir.Write("T.txt", input.text()));
  CompileStats(run, {record}, {}, run::MakePrefixReply(dir.File("out/R")));

  EXPECT_EQ(run.gamesCompiled, input.compiled ? 1 : 0);
  EXPECT_EQ(run.gamesRejected, input.compiled ? 0 : 1);
  std::vector<std::string> logged;
  const std::string log =
      test::FileExists(dir.File("out/log")) ? test::ReadFileBytes(dir.File("out/log")) : "";
  for (std::size_t at = 0, line = 0; at < log.size(); ++line) {
    const std::size_t end = log.find('\n', at);
    if (line % 3 == 1) logged.push_back(log.substr(at, end - at));
    at = end + 1;
  }
  EXPECT_EQ(logged, input.logged);
  // A compiled game has its report; a run whose only game is rejected
  // leaves none.
  EXPECT_EQ(test::FileExists(dir.File("out/R.GS")), input.compiled);
  const std::string report = test::ReadFileBytes(dir.File("out/R.GS"));
  EXPECT_EQ(report.find(" @ ") != std::string::npos, input.compiled) << report.substr(0, 200);
  for (const std::string& text : input.inReport)
    EXPECT_NE(report.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadInputTest, testing::ValuesIn(kInputs),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Line ends change nothing in what a game makes.
TEST(BadInputLineEnds, GiveTheSameReportAsLineFeeds) {
  test::TempDir dir;
  std::string reports[3];
  const std::string texts[3] = {Golden(), WithLineEnds(Golden(), {"\r"}),
                                WithLineEnds(Golden(), {"\r\n", "\n", "\r\n", "\r"})};
  for (int i = 0; i < 3; ++i) {
    test::FakePlatform platform;
    options::OutputOptions options;
    options.lineEnds = options::LineEnds::kUnix;
    CompileRun run(platform, options);
    const std::string prefix = "R" + std::to_string(i);
    CompileStats(run, {run::MakeInputFileRecord(dir.Write("game.txt", texts[i]))}, {},
                 run::MakePrefixReply(dir.File(prefix)));
    reports[i] = test::ReadFileBytes(dir.File(prefix + ".GS"));
  }
  EXPECT_EQ(reports[1], reports[0]);
  EXPECT_EQ(reports[2], reports[0]);
  EXPECT_NE(reports[0].find("Hawks 13 @ Owls 10"), std::string::npos);
}

}  // namespace
}  // namespace yl::compile
