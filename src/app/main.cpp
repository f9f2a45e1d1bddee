// tarmac-warden: play, or run a script with or without a display.
#include "app/program_main.h"
#include "frontends/qt/windowed_run.h"

int main(int argc, char** argv) {
  return tw::programMain(argc, argv, [&](tw::CommandLine& options) { return tw::runWithQt(options, argc, argv); });
}
