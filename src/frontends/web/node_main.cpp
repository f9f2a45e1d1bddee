// tarmac-warden.js under node: the desktop's headless command line, on the machine's files.
#include <filesystem>

#include "app/program_main.h"

int main(int argc, char** argv) {
  // argv[0] is the script node runs: Plane/ lies beside it, as beside the desktop's executable.
  const std::string here = std::filesystem::absolute(argv[0]).parent_path().string();
  return tw::programMain(argc, argv, nullptr, here);
}
