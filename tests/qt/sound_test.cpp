// The cues through a real sound server: a private PulseAudio with a null sink whose monitor is
// recorded, and the game's player in a process of its own, so that the audio library meets
// that server from its first use. The recording is compared with the files' own samples; busy
// loops run beside it, and the server is stalled and restarted under the player.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/stat.h>
#include <sys/prctl.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

#include "frontends/headless/headless_host.h"
#include "frontends/openal/cue_output.h"
#include "model/cue_files.h"

namespace tw::test {
namespace {

using Samples = std::vector<std::int16_t>;

constexpr int kRate = 22050;  // the cues' own format, which the null sink is given too
constexpr char kPlanVariable[] = "TW_SOUND_TEST_PLAN";

// The cues are read as the game reads them: through a desktop host.
Host& cueFiles() {
  static HeadlessHost host(0, ".");
  return host;
}

double samplesToMs(double samples) { return samples * 1000.0 / kRate; }
long msToSamples(double ms) { return std::lround(ms * kRate / 1000.0); }
double steadyMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// ---- What the player's process is asked to play, and when -------------------------------

// The plan has one request a line: its moment in ms, a space, the file (a missing file for a
// request that only cuts). In the player's process: each request through the game's player,
// its moment printed.
void playPlan(const QString& text) {
  QEventLoop loop;
  CueFiles cues;
  CueOutput player;
  double last = 0;
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
    const double at = line.section(' ', 0, 0).toDouble();
    QTimer::singleShot(int(at), Qt::PreciseTimer, &loop, [&, path = line.section(' ', 1).toStdString()] {
      std::cout << "played " << QByteArray::number(steadyMs(), 'f', 3).toStdString() << std::endl;
      player.play(cues.cue(cueFiles(), path));
    });
    last = std::max(last, at);
  }
  QTimer::singleShot(int(last) + 1000, &loop, &QEventLoop::quit);
  loop.exec();
  std::cout << "quit" << std::endl;  // the player goes with the process, as in the game
}

// ---- The private server, its recorder and the player's process ----------------------------

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
  const double end = steadyMs() + timeoutMs;
  while (!done()) {
    if (steadyMs() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
  return true;
}

// Children that die with the test, whatever ends it.
void startTiedToUs(QProcess& process, const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  process.setProcessEnvironment(env);
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
  process.start(program, args);
}

// The server and the recorder are the measuring rig: real-time, where the system allows it, so
// that the busy loops beside the test load the player alone. (A server of its own makes only
// its mixing threads real-time.)
void makeRealTime(const QProcess& process) {
  const QString tasks = QString("/proc/%1/task").arg(process.processId());
  for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    sched_param param{};
    param.sched_priority = 3;
    ::sched_setscheduler(pid_t(task.toLongLong()), SCHED_RR, &param);
  }
}

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) process.kill();
  process.waitForFinished(1000);
}

// A PulseAudio of the test's own: its socket, runtime and home in a temporary folder, never
// the user's server, so tests side by side do not meet.
class PrivateSoundServer {
 public:
  PrivateSoundServer() {
    for (const char* sub : {"run", "home", "state"}) QDir(dir_.path()).mkpath(sub);
    for (const auto& [name, sub] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "home"}, {"XDG_RUNTIME_DIR", "run"},
                                    {"PULSE_RUNTIME_PATH", "run"}, {"PULSE_STATE_PATH", "state"}}) {
      env_.insert(name, dir_.filePath(sub));
    }
    env_.insert("PULSE_SERVER", "unix:" + socket());
    env_.remove("DISPLAY");
    // The recorder keeps its own short latency; the player sets the game's again.
    env_.remove("PULSE_LATENCY_MSEC");
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    start();
  }
  ~PrivateSoundServer() {
    resume();
    stop(daemon_);
  }

  // Killed, as a crash would, and started again on the same socket.
  void restart() {
    daemon_.kill();
    daemon_.waitForFinished(3000);
    QFile::remove(socket());
    start();
  }
  // Stalled, as a server that no longer answers, and let go again.
  void stall() { ::kill(pid_t(daemon_.processId()), SIGSTOP); }
  void resume() { ::kill(pid_t(daemon_.processId()), SIGCONT); }

  bool running() const { return daemon_.state() == QProcess::Running && QFile::exists(socket()); }
  std::string log() { return daemon_.readAll().toStdString(); }
  // What a client of this server is started with.
  const QProcessEnvironment& environment() const { return env_; }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QString socket() const { return dir_.filePath("pulse.sock"); }
  void start() {
    startTiedToUs(daemon_, QStandardPaths::findExecutable("pulseaudio"),
                  {"-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--no-cpu-limit",
                   "--use-pid-file=false", "--log-target=stderr", "--log-level=error",
                   "-L", QString("module-null-sink sink_name=tw rate=%1 channels=1 format=s16le").arg(kRate),
                   "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket()},
                  env_);
    waitUntil([this] { return QFile::exists(socket()) || daemon_.state() == QProcess::NotRunning; }, 10000);
    makeRealTime(daemon_);
  }

  QTemporaryDir dir_;
  QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
  QProcess daemon_;
};

// The null sink's monitor, raw, with the moment each piece arrived.
class Recorder {
 public:
  explicit Recorder(const PrivateSoundServer& server) {
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] {
      bytes_ += parec_.readAllStandardOutput();
      arrivals_.push_back({steadyMs(), bytes_.size() / 2});
    });
    startTiedToUs(parec_, QStandardPaths::findExecutable("parec"),
                  {"--device=tw.monitor", "--raw", "--format=s16le", "--channels=1",
                   QString("--rate=%1").arg(kRate), "--latency-msec=10"},
                  server.environment());
    parec_.waitForStarted(5000);
    makeRealTime(parec_);
  }
  ~Recorder() { stop(parec_); }

  // The null sink sends nothing to a new recorder for its first (idle) period: up to 2 s.
  bool waitForFirstSound() {
    return waitUntil([this] { return !bytes_.isEmpty() || parec_.state() == QProcess::NotRunning; }, 10000) &&
           !bytes_.isEmpty();
  }
  Samples samples() const {
    Samples s(std::size_t(bytes_.size()) / 2);
    std::memcpy(s.data(), bytes_.constData(), s.size() * 2);
    return s;
  }
  // The steady-clock moment of sample 0, at the latest: no piece arrives before it is recorded.
  double startMs() const {
    double start = arrivals_.front().first;
    for (const auto& [ms, samples] : arrivals_) start = std::min(start, ms - samplesToMs(double(samples)));
    return start;
  }

 private:
  QProcess parec_;
  QByteArray bytes_;
  std::vector<std::pair<double, qsizetype>> arrivals_;
};

// ---- Finding a cue in the recording -------------------------------------------------------

double sampleAt(const Samples& rec, long k) { return k >= 0 && k < long(rec.size()) ? rec[std::size_t(k)] : 0.0; }

struct Span {
  long from = 0, to = 0;  // samples of the cue
  long length() const { return to - from; }
};

// A millisecond of the cue matches the recording (the cue's start at `at`) when what differs is
// under a twentieth of the cue's energy there (-13 dB), or under one step of the sample scale.
bool blockMatches(const Samples& rec, const Samples& cue, long at, long from, long to) {
  double energy = 0, error = 0;
  for (long i = from; i < to; ++i) {
    const double c = cue[std::size_t(i)], d = sampleAt(rec, at + i) - c;
    energy += c * c;
    error += d * d;
  }
  return error <= 0.05 * energy + double(to - from);
}

// The longest stretch of the cue that the recording follows, with the cue's start at `at`. Quiet
// fade tails count as heard only when the recording follows them too.
Span heardPart(const Samples& rec, const Samples& cue, long at) {
  const long block = kRate / 1000;
  Span best, run;
  for (long from = 0; from < long(cue.size()); from += block) {
    const long to = std::min(from + block, long(cue.size()));
    run = blockMatches(rec, cue, at, from, to) ? Span{run.from, to} : Span{to, to};
    if (run.length() > best.length()) best = run;
  }
  return best;
}

// Where in [from, to) the cue starts: first where a probe from its steady part fits best, then
// where most of the cue is heard. The probe skips the first 30 ms, which a server may swallow
// when a stream starts.
long cueStart(const Samples& rec, const Samples& cue, long from, long to) {
  const long probeFrom = std::min(msToSamples(30), long(cue.size()) / 2);
  const long probeTo = std::min(probeFrom + msToSamples(40), long(cue.size()));
  long at = from;
  double least = -1;
  for (long o = from; o < to; ++o) {
    double error = 0;
    for (long i = probeFrom; i < probeTo && (least < 0 || error < least); ++i) {
      const double d = sampleAt(rec, o + i) - cue[std::size_t(i)];
      error += d * d;
    }
    if (least < 0 || error < least) least = error, at = o;
  }
  long best = at;
  for (long o = at - msToSamples(3); o <= at + msToSamples(3); ++o)
    if (heardPart(rec, cue, o).length() > heardPart(rec, cue, best).length()) best = o;
  return best;
}

struct Heard {
  long start;  // sample of the recording where the cue's first sample is
  Span part;   // of the cue
};

// The cue as heard after a request at `requestMs`, looked for from just before to well after it,
// and never before the sample `notBefore`.
Heard heardAfter(const Samples& rec, double recStartMs, const Samples& cue, double requestMs, long notBefore = 0) {
  const long expected = msToSamples(requestMs - recStartMs);
  const long start = cueStart(rec, cue, std::max(expected - msToSamples(50), notBefore), expected + msToSamples(250));
  return {start, heardPart(rec, cue, start)};
}

// ---- The tests -------------------------------------------------------------------------------

QString cuePath(int n) { return QString(TW_ASSETS_DIR "/Plane/%1.wav").arg(n); }

constexpr double kGapMs = 300;  // longer than the player's look at a playing device

// One request a line, as the player's process reads them.
struct Plan {
  QString text;
  double lastMs = 0;
  void request(double ms, const QString& path) {
    text += QString::number(ms) + ' ' + path + '\n';
    lastMs = std::max(lastMs, ms);
  }
};

// The plan played in a process of its own, against the private server.
class PlayerProcess {
 public:
  PlayerProcess(const PrivateSoundServer& server, const Plan& plan) : lastMs_(plan.lastMs) {
    QProcessEnvironment env = server.environment();
    env.insert(kPlanVariable, plan.text);
    for (const QString& key : env.keys())  // no sharding or report file of the outer run
      if (key.startsWith("GTEST_")) env.remove(key);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    process_.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&process_, &QProcess::readyRead, [this] {
      output_ += process_.readAll().toStdString();
      if (quitMs_ < 0 && output_.find("quit\n") != std::string::npos) quitMs_ = steadyMs();
    });
    startTiedToUs(process_, QCoreApplication::applicationFilePath(),
                  {QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())}, env);
  }
  ~PlayerProcess() { stop(process_); }

  // Waits for the process to end; false when it failed or never ended.
  bool finish() {
    const bool ended = waitUntil([this] { return process_.state() == QProcess::NotRunning; }, int(lastMs_) + 20000);
    endedMs_ = steadyMs();
    stop(process_);
    return ended && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
  }
  // The moments of the requests, as the player's process made them.
  std::vector<double> requested() const {
    std::vector<double> played;
    for (const QString& line : QString::fromStdString(output_).split('\n'))
      if (line.startsWith("played ")) played.push_back(line.mid(7).toDouble());
    return played;
  }
  // From the player's last word to the end of its process.
  double quitTookMs() const { return endedMs_ - quitMs_; }
  const std::string& output() const { return output_; }

 private:
  double lastMs_;
  QProcess process_;
  std::string output_;
  double quitMs_ = -1, endedMs_ = -1;
};

// Busy loops beside the player: the machine at a load of their number, and more.
class BusyLoops {
 public:
  explicit BusyLoops(int count) : loops_(std::size_t(count)) {
    for (QProcess& loop : loops_)
      startTiedToUs(loop, "/bin/sh", {"-c", "while :; do :; done"}, QProcessEnvironment::systemEnvironment());
  }
  ~BusyLoops() {
    for (QProcess& loop : loops_) stop(loop);
  }

 private:
  std::vector<QProcess> loops_;
};

// The private server and its recorder, both running, or the reason why not.
::testing::AssertionResult serverAndRecorderStarted(PrivateSoundServer& server, Recorder& recorder) {
  if (!server.running()) return ::testing::AssertionFailure() << "the private PulseAudio did not start:\n" << server.log();
  if (!recorder.waitForFirstSound()) return ::testing::AssertionFailure() << "nothing recorded from the null sink's monitor";
  return ::testing::AssertionSuccess();
}

bool isPlayerProcess() { return qEnvironmentVariableIsSet(kPlanVariable); }

class CuePlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (isPlayerProcess()) return;
    ASSERT_FALSE(QStandardPaths::findExecutable("pulseaudio").isEmpty()) << "install pulseaudio";
    ASSERT_FALSE(QStandardPaths::findExecutable("parec").isEmpty()) << "install pulseaudio-utils";
  }
  static Samples cue(int n) { return readCue(cueFiles(), cuePath(n).toStdString()).value_or(Pcm{}).samples; }
};

struct CutCase {
  int first, second;  // second 0: a missing file
  double afterMs;
};
// A new cue, the same cue again (the level animation restarts cue 2 every 100 ms), a missing file.
const CutCase kCuts[] = {{5, 6, 400}, {2, 2, 100}, {8, 0, 300}};
// A start may wait for the device to open again, a cut never does: so a cut may be heard
// this much before the request's moment, counted from the cue's start.
constexpr double kResumeMs = 25;
// The null sink's monitor may miss the first few ms of a stream that starts or resumes, as it
// does with paplay: so a cue's onset counts as heard from this sample on.
const long kOnset = msToSamples(5);

TEST_F(CuePlayer, PlaysEachCueWholeAndANewRequestCutsItWithBusyLoopsBeside) {
  if (isPlayerProcess()) return playPlan(qEnvironmentVariable(kPlanVariable));
  PrivateSoundServer server;
  Recorder recorder(server);
  ASSERT_TRUE(serverAndRecorderStarted(server, recorder));

  std::vector<Samples> cues(9);
  Plan plan;
  double at = 500;  // once the player has met the server
  for (int n = 1; n <= 8; ++n) {
    cues[n] = cue(n);  // the samples the player decodes, which the recording must follow
    ASSERT_GT(cues[n].size(), std::size_t(msToSamples(40))) << n << ".wav: 16-bit mono at 22050 Hz expected";
    plan.request(at, cuePath(n));
    at += samplesToMs(double(cues[n].size())) + kGapMs;
  }
  for (const CutCase& c : kCuts) {
    plan.request(at, cuePath(c.first));
    plan.request(at + c.afterMs, c.second ? cuePath(c.second) : server.filePath("missing.wav"));
    at += c.afterMs + (c.second ? samplesToMs(double(cues[c.second].size())) : 0) + kGapMs;
  }

  std::vector<double> requested;
  {
    const BusyLoops busy(4);
    PlayerProcess player(server, plan);
    ASSERT_TRUE(player.finish()) << "the player's process failed:\n" << player.output();
    requested = player.requested();
    ASSERT_EQ(requested.size(), std::size_t(plan.text.count('\n'))) << player.output();
  }
  const Samples rec = recorder.samples();
  const double recStart = recorder.startMs();

  // Whole: from its onset on, every millisecond follows the file, so no gap of even 2 ms.
  const auto expectWhole = [&](int n, double requestMs, long notBefore = 0) {
    const Heard h = heardAfter(rec, recStart, cues[n], requestMs, notBefore);
    EXPECT_LE(h.part.from, kOnset) << n << ".wav is not heard from its start";
    EXPECT_GE(samplesToMs(double(h.part.to)), samplesToMs(double(cues[n].size())) - 2) << n << ".wav is not heard whole";
    std::cout << n << ".wav heard " << std::lround(recStart + samplesToMs(double(h.start)) - requestMs)
              << " ms after its request" << std::endl;
    return h;
  };
  for (int n = 1; n <= 8; ++n) expectWhole(n, requested[std::size_t(n - 1)]);

  for (std::size_t i = 0; i < std::size(kCuts); ++i) {
    const CutCase& c = kCuts[i];
    const double firstAt = requested[8 + 2 * i], secondAt = requested[9 + 2 * i];
    const double cutMs = secondAt - firstAt;  // as requested
    SCOPED_TRACE(std::to_string(c.first) + ".wav cut by " +
                 (c.second ? std::to_string(c.second) + ".wav" : "a missing file"));
    const Heard first = heardAfter(rec, recStart, cues[c.first], firstAt);
    const double heardMs = samplesToMs(double(first.part.to));
    EXPECT_LE(first.part.from, kOnset) << "the first cue is not heard from its start";
    EXPECT_GE(heardMs, cutMs - kResumeMs) << "the first cue stops before the second request";
    if (c.second) {
      // After the first cue's start: a cue restarted is the same cue again.
      const Heard next = expectWhole(c.second, secondAt, first.start + 1);
      const double nextMs = samplesToMs(double(next.start - first.start));
      // Counted from the first cue's own start, so what the server adds to both drops out.
      const double lateMs = nextMs - cutMs;
      EXPECT_LE(heardMs, nextMs + 1) << "the first cue plays on";
      EXPECT_LE(lateMs, 30) << "the second cue starts late";
    } else {
      const long cut = first.start + first.part.to;
      const auto from = rec.begin() + std::min(cut + msToSamples(5), long(rec.size()));
      const auto to = rec.begin() + std::min(cut + msToSamples(200), long(rec.size()));
      const int loudest =
          std::accumulate(from, to, 0, [](int m, std::int16_t s) { return std::max(m, std::abs(int(s))); });
      EXPECT_LE(heardMs, cutMs + 40) << "the first cue is not cut";
      EXPECT_LE(loudest, 2) << "the first cue plays on";
    }
  }
}

// Stalled at the player's start, or while it plays: the requests go on and the quit is quick.
TEST_F(CuePlayer, AStalledServerNeverHoldsThePlayerUp) {
  if (isPlayerProcess()) return playPlan(qEnvironmentVariable(kPlanVariable));
  for (const bool atStart : {true, false}) {
    SCOPED_TRACE(atStart ? "stalled at the start" : "stalled while a cue plays");
    PrivateSoundServer server;
    ASSERT_TRUE(server.running()) << server.log();
    Plan plan;
    for (int k = 0; k < 6; ++k) plan.request(500 + 200 * k, cuePath(k % 2 ? 7 : 1));
    if (atStart) server.stall();
    PlayerProcess player(server, plan);
    if (!atStart) {
      waitUntil([] { return false; }, 700);  // a cue or two played
      server.stall();
    }
    ASSERT_TRUE(player.finish()) << "the player's process failed:\n" << player.output();
    EXPECT_EQ(player.requested().size(), 6u) << player.output();
    EXPECT_LE(player.quitTookMs(), 1000) << "the quit waited on the stalled server";
    server.resume();
  }
}

// Killed and started again: the next cue after the server is back is heard.
TEST_F(CuePlayer, ARestartedServerIsUsedAgain) {
  if (isPlayerProcess()) return playPlan(qEnvironmentVariable(kPlanVariable));
  PrivateSoundServer server;
  ASSERT_TRUE(server.running()) << server.log();
  const Samples four = cue(4);
  Plan plan;
  plan.request(500, cuePath(4));
  // Every 250 ms from 3 s on; the server is restarted at about 1.5 s.
  for (double at = 3000; at <= 6000; at += 250) plan.request(at, cuePath(4));
  PlayerProcess player(server, plan);
  waitUntil([] { return false; }, 1500);
  server.restart();
  ASSERT_TRUE(server.running()) << server.log();
  const double backMs = steadyMs();
  Recorder recorder(server);
  ASSERT_TRUE(recorder.waitForFirstSound());
  ASSERT_TRUE(player.finish()) << "the player's process failed:\n" << player.output();
  const std::vector<double> requested = player.requested();
  ASSERT_EQ(requested.size(), std::size_t(plan.text.count('\n'))) << player.output();

  const auto next = std::find_if(requested.begin(), requested.end(), [&](double ms) { return ms >= backMs + 2000; });
  ASSERT_NE(next, requested.end());
  const Heard h = heardAfter(recorder.samples(), recorder.startMs(), four, *next);
  EXPECT_GE(h.part.length(), long(four.size()) * 9 / 10) << "the first cue 2 s after the server's return is not heard";
}

// Cue files come through the game's one reader: what is no regular file, or larger than a
// cue may be, is no cue, and never holds the game up.
TEST(CueFiles, OnlyARegularWavWithinItsCapIsACue) {
  QTemporaryDir dir;
  const std::string fifo = dir.filePath("fifo.wav").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  QFile::link("/dev/zero", dir.filePath("zero.wav"));
  QFile big(dir.filePath("big.wav"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  QFile one(cuePath(1));
  ASSERT_TRUE(one.open(QIODevice::ReadOnly));
  const QByteArray wav = one.readAll();
  big.write(wav);
  big.resize((16 << 20) + 1);  // the cue with silence after it, one byte over the cap
  big.close();
  for (const char* name : {"fifo.wav", "zero.wav", "big.wav", "none.wav"})
    EXPECT_FALSE(readCue(cueFiles(), dir.filePath(name).toStdString())) << name;
  const auto cue = readCue(cueFiles(), cuePath(1).toStdString());
  ASSERT_TRUE(cue);
  EXPECT_EQ(cue->rate, kRate);
  EXPECT_EQ(cue->samples.size(), std::size_t(wav.size() - 44) / 2);
}

}  // namespace
}  // namespace tw::test
