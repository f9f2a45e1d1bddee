#include "app/program_main.h"

#include <iostream>
#include <string>
#include <vector>

#include "app/demo.h"
#include "app/session.h"

namespace tw {

int programMain(int argc, char** argv, const WindowedRun& windowed, const std::string& programFolder) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.error.empty()) {
    std::cerr << "tarmac-warden: " << parsed.error << '\n' << usageText();
    return 2;
  }
  CommandLine& options = parsed.options;
  if (options.help) {
    std::cout << usageText();
    return 0;
  }
  if (options.version) {
    std::cout << versionText() << '\n';
    return 0;
  }
  if (!options.programDir && !programFolder.empty()) options.programDir = programFolder;
  if (options.headless && options.demo) return runHeadlessDemo(options, std::cout, std::cerr);
  if (options.headless) return runHeadless(options, std::cout, std::cerr);
  if (!windowed) {
    std::cerr << "tarmac-warden: this build has no windows; run it with --headless\n" << usageText();
    return 2;
  }
  return windowed(options);
}

}  // namespace tw
