// yardledger-cli: the command-line front end.
#include <malloc.h>

#include <cstdio>
#include <new>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  // Each game's memory is freed before the next game takes as much again;
  // glibc would hand it back to the system and fault it in anew every game,
  // and serve a game's plays (some 200 KB) from a mapping of their own.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  try {
    return yl::cli::RunCli(argc, argv);
  } catch (const std::bad_alloc&) {
    // Before or after a run, which cleans up after itself: nothing of it is left.
    std::fputs("yardledger-cli: out of memory\n", stderr);
    return 1;
  }
}
