// yardledger-cli: the command-line front end.
#include <malloc.h>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  // Each game's memory is freed before the next game takes as much again;
  // glibc would hand it back to the system and fault it in anew every game,
  // and serve a game's plays (some 200 KB) from a mapping of their own.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  return yl::cli::RunCli(argc, argv);
}
