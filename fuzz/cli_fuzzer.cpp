// Fuzz target: one input is a command line for yardledger-cli, its arguments
// separated by line ends, run in the scratch folder beside a small game, a
// team file and stored options of its own. Whatever the arguments, the
// program ends with a status of 0, 1 or 2.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "cli/cli_app.h"
#include "fuzz_support.h"

namespace {

constexpr std::string_view kGame =
    "Eagles (3-2) vs Bears (4-1)\n"
    "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
    "their own 27 yard line...\n"
    "#7-Harris's pass was caught by #81-Lewis... #24-Grant tackled him.  \n"
    "Gain of 12 yards on the play.  The ball is on the 39 yard line.  \n"
    "The game is over.\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace yl;
  const std::string folder = fuzz::ScratchFolder();
  fuzz::WriteScratchFile("game.txt", reinterpret_cast<const std::uint8_t*>(kGame.data()),
                         kGame.size());
  const std::string team(2610, '\0');
  fuzz::WriteScratchFile("Bears.fbt", reinterpret_cast<const std::uint8_t*>(team.data()),
                         team.size());
  ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
  if (::chdir(folder.c_str()) != 0) std::abort();

  // Paths stay inside the scratch folder: no argument names another place.
  for (std::size_t i = 0; i < size; ++i)
    if (data[i] == '/') return 0;
  std::vector<std::string> args = {"yardledger-cli"};
  std::string current;
  for (std::size_t i = 0; i < size && args.size() < 64; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n' || c == '\0') {
      args.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) args.push_back(current);
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  const int status = cli::RunCli(static_cast<int>(args.size()), argv.data());
  if (status != 0 && status != 1 && status != 2) std::abort();
  fuzz::ClearScratchFolder();
  return 0;
}
