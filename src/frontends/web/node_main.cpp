// tarmac-warden.js under node: the desktop's headless command line, on the machine's files.
#include <emscripten.h>

#include <cstdio>
#include <filesystem>

#include "app/program_main.h"

// The runtime calls every standard stream a terminal: node knows what it really is.
EM_JS(int, tw_stdout_is_terminal, (), { return require('tty').isatty(1) ? 1 : 0; });

int main(int argc, char** argv) {
  // Output into a pipe or a file goes out in blocks, as the desktop's C library sends it: a line
  // at a time, each line would cost a write of its own.
  if (tw_stdout_is_terminal() == 0) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  // argv[0] is the script node runs: Plane/ lies beside it, as beside the desktop's executable.
  const std::string here = std::filesystem::absolute(argv[0]).parent_path().string();
  return tw::programMain(argc, argv, nullptr, here);
}
