// tarmac-warden: play, or run a script with or without a display.
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/demo.h"
#include "app/session.h"
#include "frontends/qt/windowed_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tw::ParsedCommandLine parsed = tw::parseCommandLine(args);
  if (!parsed.error.empty()) {
    std::cerr << "tarmac-warden: " << parsed.error << '\n' << tw::usageText();
    return 2;
  }
  const tw::CommandLine& options = parsed.options;
  if (options.help) {
    std::cout << tw::usageText();
    return 0;
  }
  if (options.version) {
    std::cout << tw::versionText() << '\n';
    return 0;
  }
  if (options.headless && options.demo) return tw::runHeadlessDemo(options, std::cout, std::cerr);
  if (options.headless) return tw::runHeadless(options, std::cout, std::cerr);
  return tw::runWithQt(options, argc, argv);
}
