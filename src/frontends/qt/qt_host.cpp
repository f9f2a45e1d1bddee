#include "frontends/qt/qt_host.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSaveFile>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "frontends/qt/window_view.h"

// The design pictures live in a static library: bring them in by hand.
static void loadDesignPictures() { Q_INIT_RESOURCE(design); }

namespace tw {

namespace {

const QString kMessageCaption = QStringLiteral("Tarmac Warden");

// Message boxes are wide enough for their caption to read in full on the frame.
int messageBoxMinimumWidth(const QFont& font) {
  // The window manager draws the caption in a bold face of its own beside its frame
  // buttons: leave room for a heavy caption and four buttons.
  QFont bold = font;
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(kMessageCaption) * 3 / 2 + 4 * 24;
}

void makeRoomForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  // A message box sizes itself to its text; a spacer across it is the only width it keeps.
  grid->addItem(new QSpacerItem(messageBoxMinimumWidth(box.font()), 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QtHost::QtHost(Mode mode, const std::optional<std::string>& programDir, int timeOfDaySeconds)
    : DesktopHost(programDir, mode == Mode::Script ? std::optional(timeOfDaySeconds) : std::nullopt), mode_(mode) {
  loadDesignPictures();
}

void QtHost::followContentsSoon() {
  // Several timers tick in one frame: the views take over their changes once, after them.
  if (std::exchange(contentsPending_, true)) return;
  QTimer::singleShot(0, &contentsContext_, [this] {
    contentsPending_ = false;
    for (auto& [window, view] : views_) view->follow();
  });
}

QtHost::~QtHost() {
  for (auto& [window, view] : views_) delete view;
  for (auto& view : retired_) delete view.data();
}

void QtHost::attach(Application& app) {
  started_.start();
  if (mode_ == Mode::Play) {
    midend_.emplace(app, [this] { return started_.elapsed(); });
    clock_.setSingleShot(true);
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.callOnTimeout([this] {
      midend_->advance(started_.elapsed());
      armClock();
    });
  } else {
    midend_.emplace(app);  // the script plays, not the player
  }
  keyGate_.emplace(*midend_);
}

void QtHost::showMessage(const std::string& text) {
  if (mode_ == Mode::Script) return;  // answered with OK at once
  // The box waits over the screen as the handler has left it, not as it was before.
  followWindows(true);
  for (auto& [window, view] : views_) view->repaint();
  QMessageBox box(QMessageBox::Information, kMessageCaption, QString::fromStdString(text), QMessageBox::Ok);
  // The game's own box: its icon, and nothing on the frame to minimise or maximise it.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  box.setWindowIcon(gameIcon());
  makeRoomForCaption(box);
  if (const auto closes = midend_->messageCloses()) QTimer::singleShot(*closes, &box, &QMessageBox::accept);
  box.exec();
  midend_->placeGone(&box);
}

void QtHost::playSound(std::shared_ptr<const Pcm> cue) { sound_.play(std::move(cue)); }

void QtHost::refresh() {
  // Not again while the views follow: what they do meanwhile is no news.
  if (!midend_ || midend_->inputHeld()) return;
  // A script settles after every tick: its windows catch up only now and then.
  const bool repaint = mode_ == Mode::Script && midend_->scriptRepaintDue(started_.elapsed());
  midend_->holdInput(true);
  followWindows(repaint);
  midend_->holdInput(false);
  if (mode_ == Mode::Play) {
    followContentsSoon();
    armClock();
    if (midend_->ended()) QCoreApplication::quit();
  } else if (repaint) {
    // Let the windows show the game as the script goes, but keep the player out of it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
}

void QtHost::followWindows(bool followContents) {
  const WindowChanges changes = midend_->followWindows();
  for (const Window* closed : changes.closed) retire(views_.extract(closed).mapped());
  for (const auto& [window, inFrontOf] : changes.opened) {
    auto* view = new WindowView(*this, *window, pictures_);
    views_[window] = view;
    if (inFrontOf != nullptr) keepInFront(*view, *viewOf(*inFrontOf));
    view->show();
  }
  if (!followContents) return;
  for (auto& [window, view] : views_) view->follow();
}

void QtHost::keepInFront(WindowView& view, WindowView& owner) {
  // A transient dialog: the window manager keeps it above its owner, which it cannot hide.
  view.setWindowFlags((view.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
  view.winId();
  owner.winId();
  view.windowHandle()->setTransientParent(owner.windowHandle());
}

void QtHost::retire(WindowView* view) {
  // Not deleted at once: the view may be the one whose event closed its window.
  midend_->placeGone(view);
  view->forget();
  view->deleteLater();
  std::erase_if(retired_, [](const auto& v) { return v.isNull(); });
  retired_.emplace_back(view);
}

void QtHost::raise(Window& window) {
  if (WindowView* view = viewOf(window)) {
    view->raise();
    view->activateWindow();
  }
}

bool QtHost::screenshot(Window& window, const std::string& file) {
  if (viewOf(window) == nullptr && midend_) followWindows(false);
  WindowView* view = viewOf(window);
  if (view == nullptr) return false;
  // Whole or not at all: a full disk leaves no empty picture behind.
  QSaveFile out(QString::fromStdString(file));
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (!view->capture().save(&out, "PNG")) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

TextSize QtHost::measureText(const Font& font, const std::string& text) {
  const QFontMetrics metrics(gameFont(font));
  return {metrics.horizontalAdvance(shownText(text)), metrics.height()};
}

WindowView* QtHost::viewOf(const Window& window) const {
  const auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second;
}

void QtHost::armClock() {
  if (const auto wait = midend_->untilDue(started_.elapsed())) return clock_.start(*wait);
  clock_.stop();
}

}  // namespace tw
