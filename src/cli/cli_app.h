// yardledger-cli: turns the command line into one compile run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "options/output_options.h"

namespace yl::cli {

// What the command line asked for, before the stored options are applied.
struct CliRequest {
  std::string prefix = "./Yardledger";
  std::vector<std::string> teams;
  std::vector<std::string> transcripts;
  std::optional<std::string> mode;  // game | cumulative | league
  bool separateFiles = false;
  std::optional<std::string> format;  // mac | windows | unix
  std::optional<int> leaders;
  bool noPlayerStats = false;
  bool noTeamStats = false;
  bool noLeaders = false;
  bool perPlay = false;
  std::string errorLog;
  std::string csvFolder;   // "" when no CSV tables are asked for
  std::string siteFolder;  // "" when no web site is asked for
  std::string siteTitle = "League";
  int jobs = 0;  // 0: the default (compile::DefaultJobs)
  bool saveOptions = false;
  bool showOptions = false;
  bool quiet = false;
};

// The stored options with the command line's choices laid over them.
options::OutputOptions ApplyRequest(const CliRequest& request, options::OutputOptions stored);

// The whole program: returns the exit status (0 done, 1 fatal, 2 usage).
int RunCli(int argc, char** argv);

}  // namespace yl::cli
