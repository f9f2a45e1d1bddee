// The cues through a real sound server: a private PulseAudio with a null sink whose monitor is
// recorded, and the game's player in a process of its own, so that Qt's audio backend meets
// that server from its first use. The recording is compared with the files' own samples.
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

#include "platform/qt/sound_player.h"

namespace tw::test {
namespace {

using Samples = std::vector<std::int16_t>;

constexpr int kRate = 22050;  // the cues' own format, which the null sink is given too
constexpr char kPlanVariable[] = "TW_SOUND_TEST_PLAN";

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
  SoundPlayer player;
  double last = 0;
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
    const double at = line.section(' ', 0, 0).toDouble();
    QTimer::singleShot(int(at), Qt::PreciseTimer, &loop, [&player, path = line.section(' ', 1).toStdString()] {
      std::cout << "played " << QByteArray::number(steadyMs(), 'f', 3).toStdString() << std::endl;
      player.play(path);
    });
    last = std::max(last, at);
  }
  QTimer::singleShot(int(last) + 1000, &loop, &QEventLoop::quit);
  loop.exec();
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
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    startTiedToUs(daemon_, QStandardPaths::findExecutable("pulseaudio"),
                  {"-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--no-cpu-limit",
                   "--use-pid-file=false", "--log-target=stderr", "--log-level=error",
                   "-L", QString("module-null-sink sink_name=tw rate=%1 channels=1 format=s16le").arg(kRate),
                   "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket()},
                  env_);
    waitUntil([this] { return QFile::exists(socket()) || daemon_.state() == QProcess::NotRunning; }, 10000);
  }
  ~PrivateSoundServer() { stop(daemon_); }

  bool running() const { return daemon_.state() == QProcess::Running && QFile::exists(socket()); }
  std::string log() { return daemon_.readAll().toStdString(); }
  // What a client of this server is started with.
  const QProcessEnvironment& environment() const { return env_; }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QString socket() const { return dir_.filePath("pulse.sock"); }

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

// The cue as heard after a request at `requestMs`, looked for from just before to well after it.
Heard heardAfter(const Samples& rec, double recStartMs, const Samples& cue, double requestMs) {
  const long expected = msToSamples(requestMs - recStartMs);
  const long start = cueStart(rec, cue, expected - msToSamples(50), expected + msToSamples(250));
  return {start, heardPart(rec, cue, start)};
}

// ---- The test --------------------------------------------------------------------------------

QString cuePath(int n) { return QString(TW_ASSETS_DIR "/Plane/%1.wav").arg(n); }

constexpr double kGapMs = 300;  // longer than the player keeps its stream open after a cue

struct CutCase {
  int first, second;  // second 0: a missing file
  double afterMs;
};
// A new cue, the same cue again (the level animation restarts cue 2 every 100 ms), a missing file.
const CutCase kCuts[] = {{5, 6, 400}, {2, 2, 100}, {8, 0, 300}};

// Runs the plan in a process of its own, against the private server, and returns the moments
// of the requests.
std::vector<double> playInOwnProcess(const PrivateSoundServer& server, const QString& plan, std::string& output) {
  QProcessEnvironment env = server.environment();
  env.insert(kPlanVariable, plan);
  for (const QString& key : env.keys())  // no sharding or report file of the outer run
    if (key.startsWith("GTEST_")) env.remove(key);
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QProcess player;
  player.setProcessChannelMode(QProcess::MergedChannels);
  startTiedToUs(player, QCoreApplication::applicationFilePath(),
                {QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())}, env);
  const double lastMs = plan.section('\n', -2, -2).section(' ', 0, 0).toDouble();
  const bool ended = waitUntil([&] { return player.state() == QProcess::NotRunning; }, int(lastMs) + 20000);
  stop(player);
  output = player.readAll().toStdString();
  if (!ended || player.exitStatus() != QProcess::NormalExit || player.exitCode() != 0) return {};
  std::vector<double> played;
  for (const QString& line : QString::fromStdString(output).split('\n')) {
    if (line.startsWith("played ")) played.push_back(line.mid(7).toDouble());
  }
  return played;
}

TEST(SoundPlayer, PlaysEachCueWholeAndANewRequestCutsItThroughARealSoundServer) {
  if (qEnvironmentVariableIsSet(kPlanVariable)) return playPlan(qEnvironmentVariable(kPlanVariable));

  ASSERT_FALSE(QStandardPaths::findExecutable("pulseaudio").isEmpty()) << "install pulseaudio";
  ASSERT_FALSE(QStandardPaths::findExecutable("parec").isEmpty()) << "install pulseaudio-utils";
  PrivateSoundServer server;
  ASSERT_TRUE(server.running()) << "the private PulseAudio server did not start:\n" << server.log();
  Recorder recorder(server);
  ASSERT_TRUE(recorder.waitForFirstSound()) << "nothing recorded from the null sink's monitor";

  std::vector<Samples> cues(9);
  QString plan;
  double at = 0;
  const auto request = [&plan](double ms, const QString& path) { plan += QString::number(ms) + ' ' + path + '\n'; };
  for (int n = 1; n <= 8; ++n) {
    // The samples the player decodes, which the recording must follow.
    cues[n] = decodeCueFile(cuePath(n).toStdString()).value_or(Samples{});
    ASSERT_GT(cues[n].size(), std::size_t(msToSamples(40))) << n << ".wav: 16-bit mono at 22050 Hz expected";
    request(at, cuePath(n));
    at += samplesToMs(double(cues[n].size())) + kGapMs;
  }
  for (const CutCase& c : kCuts) {
    request(at, cuePath(c.first));
    request(at + c.afterMs, c.second ? cuePath(c.second) : server.filePath("missing.wav"));
    at += c.afterMs + (c.second ? samplesToMs(double(cues[c.second].size())) : 0) + kGapMs;
  }

  std::string output;
  const std::vector<double> requested = playInOwnProcess(server, plan, output);
  ASSERT_EQ(requested.size(), std::size_t(plan.count('\n'))) << "the player's process failed:\n" << output;
  waitUntil([] { return false; }, 500);  // the last cue's end reaches the recorder
  const Samples rec = recorder.samples();
  const double recStart = recorder.startMs();

  const auto expectWhole = [&](int n, double requestMs) {
    const Heard h = heardAfter(rec, recStart, cues[n], requestMs);
    const double length = samplesToMs(double(cues[n].size()));
    EXPECT_GE(samplesToMs(double(h.part.length())), length - 20) << n << ".wav is not heard whole";
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
    EXPECT_LT(first.part.from, msToSamples(20)) << "the first cue is not heard from its start";
    EXPECT_GE(heardMs, cutMs - 10) << "the first cue stops before the second request";
    if (c.second) {
      const Heard next = expectWhole(c.second, secondAt);
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
      EXPECT_LE(heardMs, cutMs + 30) << "the first cue is not cut";
      EXPECT_LE(loudest, 2) << "the first cue plays on";
    }
  }
}

}  // namespace
}  // namespace tw::test
