// One QApplication for every test of the real windows.
#include <QApplication>
#include <gtest/gtest.h>

#include "frontends/openal/cue_output.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "tarmac_qt_tests";
    static char* argv[] = {name, nullptr};
    tw::prepareAudioLibrary();  // as the game does, before any thread starts
    app_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
