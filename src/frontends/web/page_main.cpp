// tarmac-warden-page.js: the game in a browser page. The page hands main() the command line its
// address asks for (--demo, --script FILE, ...); the page's events come in through the calls below.
#include <emscripten.h>

#include <iostream>
#include <optional>

#include "app/demo.h"
#include "app/program_main.h"
#include "app/script_runner.h"
#include "app/session.h"
#include "frontends/web/page_host.h"
#include "frontends/web/page_view.h"
#include "model/application.h"

EM_JS(void, tw_script_ended, (int status), { TW.scriptEnded(status); });
EM_JS(void, tw_tooltip, (const char* text, int length), { TW.tooltip(UTF8ToString(text, length)); });

namespace {

// The game lives as long as the page.
tw::PageHost* host = nullptr;

tw::PageView* viewOf(int id) { return host != nullptr ? host->view(id) : nullptr; }

int runPage(tw::CommandLine& options) {
  using tw::PageHost;
  const bool script = options.script.has_value();
  host = new PageHost(script ? PageHost::Mode::Script : PageHost::Mode::Play, options.programDir, options.timeOfDay);
  auto* app = new tw::Application(*host, tw::appOptionsFor(options, *host));
  host->attach(*app);
  if (script) {
    const int status = tw::runScriptFile(*app, *options.script, std::cout, std::cerr);
    std::cout.flush();
    host->paintViews(true);
    tw_script_ended(status);
    return status;
  }
  tw::openGame(*app, std::cerr);
  if (options.demo) new tw::WindowedDemo(*app, host->midend(), options.level);
  host->paintViews(true);
  host->advanceToNow();
  return 0;
}

tw::Button buttonOf(int button) { return button == 0 ? tw::Button::Left : tw::Button::Other; }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tw_press(int id, float x, float y, int button) {
  if (tw::PageView* view = viewOf(id)) host->midend().press(view->window(), x, y, buttonOf(button));
}

EMSCRIPTEN_KEEPALIVE void tw_release(int id, float x, float y, int button) {
  if (tw::PageView* view = viewOf(id)) host->midend().release(view->window(), x, y, buttonOf(button));
}

EMSCRIPTEN_KEEPALIVE void tw_place_caret(int id, int box, int shownAt) {
  if (tw::PageView* view = viewOf(id)) view->placeCaret(static_cast<std::uintptr_t>(box), shownAt);
}

// 1 for the hand pointer; the tooltip goes to the page.
EMSCRIPTEN_KEEPALIVE int tw_hover(int id, float x, float y) {
  tw::PageView* view = viewOf(id);
  if (view == nullptr) return 0;
  const tw::Hover hover = host->midend().hover(view->window(), x, y);
  tw_tooltip(hover.tooltip.data(), static_cast<int>(hover.tooltip.size()));
  return hover.shape == tw::PointerShape::Hand;
}

// `name` as a script writes the key ("Ctrl+S"), empty for a modifier alone. 1 when the game took it.
EMSCRIPTEN_KEEPALIVE int tw_key(int id, const char* name, int down, int repeat) {
  tw::PageView* view = viewOf(id);
  if (view == nullptr) return 0;
  const std::string_view text(name);
  const tw::Key key = text.empty() ? tw::Key() : tw::parseKey(text).value_or(tw::Key(tw::KeyCode::Other));
  if (!host->midend().keyActsIn(view, key, down != 0, repeat != 0) || down == 0) return 0;
  return host->midend().key(view->window(), key);
}

EMSCRIPTEN_KEEPALIVE void tw_close_box(int id) {
  if (tw::PageView* view = viewOf(id)) host->midend().closeBox(view->window());
}

// The tab was hidden: every window is minimised, as the desktop's are with the session's.
EMSCRIPTEN_KEEPALIVE void tw_minimize_all() {
  if (host == nullptr) return;
  for (tw::Window* window : host->app().openWindows()) host->midend().minimize(*window);
}

EMSCRIPTEN_KEEPALIVE void tw_advance() {
  if (host != nullptr) host->advanceToNow();
}

EMSCRIPTEN_KEEPALIVE void tw_paint() {
  if (host != nullptr) host->paintViews(false);
}

// What the script command "print NAME" prints, without its line break; or its error.
EMSCRIPTEN_KEEPALIVE const char* tw_print(const char* name) {
  static std::string printed;
  if (host == nullptr) return "";
  const tw::Access access = tw::printName(host->app(), name);
  printed = access.error.empty() ? access.value : "error: " + access.error;
  return printed.c_str();
}

}  // extern "C"

int main(int argc, char** argv) {
  const int status = tw::programMain(argc, argv, runPage, "/game");
  // The address asked for what the command line refuses: the page says so as a script's end does.
  if (host == nullptr) tw_script_ended(status);
  return status;
}
