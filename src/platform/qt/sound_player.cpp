#include "platform/qt/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

// Qt 6.4's QSoundEffect stops its sink as soon as the sink has read the last byte, and the
// PulseAudio sink then drops the ~0.1 s the server still holds. So the player writes the cues
// into one sink itself and stops it only once the server has played everything.

namespace tw {

namespace {

using Cue = SoundPlayer::Cue;

constexpr int kRate = 22050;  // the cues' own rate; every cue is played at it, in mono, 16-bit
// What the server holds ahead of the ear: a new cue waits behind at most this much of the old.
constexpr int kQueueMs = 20;
constexpr int kFeedMs = 5;
// How long the sink stays open after the last write: far more than any sink's latency.
constexpr int kSettleMs = 250;
// A cut cue fades out over this many samples (3 ms) instead of stopping on a click.
constexpr int kFadeSamples = kRate * 3 / 1000;

QAudioFormat cueFormat() {
  QAudioFormat format;
  format.setSampleRate(kRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

std::uint32_t le32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return u[0] | u[1] << 8 | u[2] << 16 | std::uint32_t(u[3]) << 24;
}
std::int16_t le16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return std::int16_t(u[0] | u[1] << 8);
}

Cue mixedToMono(const char* data, std::size_t frames, int channels) {
  Cue mono(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    int sum = 0;
    for (int c = 0; c < channels; ++c) sum += le16(data + 2 * (i * channels + c));
    mono[i] = std::int16_t(sum / channels);
  }
  return mono;
}

// Linear interpolation: enough for a cue made at another rate.
Cue resampled(const Cue& in, int rate) {
  if (rate == kRate || in.empty()) return in;
  Cue out(in.size() * kRate / rate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double x = double(i) * rate / kRate;
    const std::size_t k = std::size_t(x);
    const double next = k + 1 < in.size() ? in[k + 1] : 0.0;
    out[i] = std::int16_t(std::lround(in[k] + (next - in[k]) * (x - k)));
  }
  return out;
}

// 16-bit PCM only; RIFF chunks may come in any order, odd sizes are padded.
std::optional<Cue> decodeWav(const QByteArray& b) {
  if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return std::nullopt;
  int channels = 0;
  int rate = 0;
  for (qsizetype at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const qsizetype size = le32(b.constData() + at + 4);
    const char* body = b.constData() + at + 8;
    if (size > b.size() - at - 8) return std::nullopt;
    if (id == "fmt " && size >= 16 && le16(body) == 1 && le16(body + 14) == 16) {
      channels = le16(body + 2);
      rate = int(le32(body + 4));
    } else if (id == "data" && channels > 0 && rate >= 8000 && rate <= 192000) {
      return resampled(mixedToMono(body, std::size_t(size) / (2 * channels), channels), rate);
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

// Lives in the audio thread, so a busy window thread cannot starve the sink.
class CueFeeder : public QObject {
 public:
  explicit CueFeeder(const QAudioDevice& device) : device_(device) {}

  void open() {
    sink_ = new QAudioSink(device_, cueFormat(), this);
    feedTimer_ = new QTimer(this);
    feedTimer_->setTimerType(Qt::PreciseTimer);
    feedTimer_->setInterval(kFeedMs);
    connect(feedTimer_, &QTimer::timeout, this, &CueFeeder::feed);
    settleTimer_ = new QTimer(this);
    settleTimer_->setSingleShot(true);
    settleTimer_->setInterval(kSettleMs);
    connect(settleTimer_, &QTimer::timeout, sink_, &QAudioSink::stop);
  }

  void close() {
    delete feedTimer_;
    delete settleTimer_;
    delete sink_;
  }

  void play(std::shared_ptr<const Cue> cue) {
    fadeOutCurrent();
    cue_ = std::move(cue);
    at_ = 0;
    if (fade_.empty() && !cue_) return;  // nothing playing, nothing to play
    settleTimer_->stop();
    if (sink_->state() == QAudio::StoppedState) start();
    feed();
    if (!fade_.empty() || cue_) feedTimer_->start();
  }

 private:
  void start() {
    // Asked each time: the sink keeps what the server granted last, which only ever shrinks.
    sink_->setBufferSize(kRate * kQueueMs / 1000 * qsizetype(sizeof(std::int16_t)));
    io_ = sink_->start();
  }

  // Continues the written part of the playing cue with a short fade to silence.
  void fadeOutCurrent() {
    if (!fade_.empty() || !cue_) return;  // a fade still unwritten already ends what was heard
    const std::size_t n = std::min<std::size_t>(kFadeSamples, cue_->size() - at_);
    for (std::size_t i = 0; i < n; ++i) fade_.push_back(std::int16_t((*cue_)[at_ + i] * int(n - i) / int(n + 1)));
  }

  // Tops the server's queue up. Once all is written the sink is stopped, but only after the
  // server has surely played it: stopping, like suspending, takes back what it still holds.
  void feed() {
    if (sink_->state() == QAudio::StoppedState) {  // no server, or it went away
      fade_.clear();
      cue_.reset();
    }
    std::size_t room = std::size_t(sink_->bytesFree()) / sizeof(std::int16_t);
    const std::size_t faded = write(fade_.data(), std::min(room, fade_.size()));
    fade_.erase(fade_.begin(), fade_.begin() + faded);
    room -= faded;
    if (fade_.empty() && cue_) {
      at_ += write(cue_->data() + at_, std::min(room, cue_->size() - at_));
      if (at_ == cue_->size()) cue_.reset();
    }
    if (!fade_.empty() || cue_) return;
    feedTimer_->stop();
    if (sink_->state() != QAudio::StoppedState) settleTimer_->start();
  }

  std::size_t write(const std::int16_t* samples, std::size_t count) {
    if (count == 0) return 0;
    const qint64 bytes = io_->write(reinterpret_cast<const char*>(samples), qint64(count * sizeof(std::int16_t)));
    return bytes > 0 ? std::size_t(bytes) / sizeof(std::int16_t) : 0;
  }

  QAudioDevice device_;
  QAudioSink* sink_ = nullptr;
  QIODevice* io_ = nullptr;  // the sink's, valid while it is started
  QTimer* feedTimer_ = nullptr;
  QTimer* settleTimer_ = nullptr;
  std::shared_ptr<const Cue> cue_;  // the part from at_ on is still to be written
  std::size_t at_ = 0;
  Cue fade_;  // the end of a cut cue, written before the next one
};

}  // namespace

// The audio thread and its feeder; requests reach the feeder in the order they were made.
class CueOutput {
 public:
  explicit CueOutput(const QAudioDevice& device) : feeder_(device) {
    feeder_.moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(&feeder_, [this] { feeder_.open(); }, Qt::QueuedConnection);
  }
  ~CueOutput() {
    // The sink and its timer belong to the audio thread: they go there, before it ends.
    QMetaObject::invokeMethod(&feeder_, [this] { feeder_.close(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }
  void play(std::shared_ptr<const SoundPlayer::Cue> cue) {
    QMetaObject::invokeMethod(&feeder_, [this, cue = std::move(cue)] { feeder_.play(cue); }, Qt::QueuedConnection);
  }

 private:
  QThread thread_;
  CueFeeder feeder_;
};

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const std::string& path) {
  if (!output_) {
    // With no audio device the game plays on in silence.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    output_ = std::make_unique<CueOutput>(device);
  }
  output_->play(cueFor(path));
}

std::optional<SoundPlayer::Cue> decodeCueFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return decodeWav(file.readAll());
}

std::shared_ptr<const SoundPlayer::Cue> SoundPlayer::cueFor(const std::string& path) {
  if (const auto found = cues_.find(path); found != cues_.end()) return found->second;
  auto cue = decodeCueFile(path);
  if (!cue) return nullptr;
  return cues_[path] = std::make_shared<const Cue>(std::move(*cue));
}

}  // namespace tw
