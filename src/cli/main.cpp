// yardledger-cli: the command-line front end.
#include "cli/cli_app.h"

int main(int argc, char** argv) {
  return yl::cli::RunCli(argc, argv);
}
