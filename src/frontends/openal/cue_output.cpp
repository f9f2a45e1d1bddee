#include "frontends/openal/cue_output.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include <pthread.h>
#include <sched.h>

namespace tw {

namespace {

using namespace std::chrono_literals;

// The cues' own rate: mixed at it, they are never resampled on our side.
constexpr ALCint kMixRate = 22050;
// Mixing updates a second.
constexpr ALCint kUpdatesPerSecond = 100;
// How often an open device is looked at, and how many looks in a row must find it quiet
// before it is closed: a second or so after the last cue was heard.
constexpr auto kSettle = 250ms;
constexpr int kQuietLooks = 4;
// What quitting waits for the audio thread before leaving it to the exit.
constexpr auto kQuitWait = 50ms;

// The device, its context and the one source the cues play on. Used on the audio thread only.
class Device {
 public:
  ~Device() { close(); }

  // False when there is no device to play on. A device whose server went away is opened
  // anew: a server that comes back is used again.
  bool open() {
    if (device_ && !connected()) close();
    if (device_) return true;
    device_ = alcOpenDevice(nullptr);
    if (!device_) return false;
    const ALCint attributes[] = {ALC_FREQUENCY, kMixRate, ALC_REFRESH, kUpdatesPerSecond, 0};
    context_ = alcCreateContext(device_, attributes);
    if (!context_ || !alcMakeContextCurrent(context_)) {
      close();
      return false;
    }
    alGenSources(1, &source_);
    return true;
  }

  void play(const std::shared_ptr<const Pcm>& cue) {
    if (!open()) return;
    // OpenAL Soft ramps a stopped source down over a few samples: a cut, not a click.
    alSourceStop(source_);
    if (!cue) return;
    alSourcei(source_, AL_BUFFER, ALint(bufferFor(cue)));
    alSourcePlay(source_);
  }

  bool awake() const { return device_ != nullptr; }

  bool playing() const {
    if (!awake()) return false;
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
  }

  void close() {
    if (!device_) return;
    alcMakeContextCurrent(nullptr);
    if (context_) alcDestroyContext(context_);  // its source and buffers with it
    alcCloseDevice(device_);
    device_ = nullptr;
    context_ = nullptr;
    buffers_.clear();
  }

 private:
  bool connected() {
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected;
  }

  // Each cue is handed to the device once, and again only to a device opened anew.
  ALuint bufferFor(const std::shared_ptr<const Pcm>& cue) {
    auto found = buffers_.find(cue.get());
    if (found == buffers_.end()) {
      ALuint buffer = 0;
      alGenBuffers(1, &buffer);
      alBufferData(buffer, AL_FORMAT_MONO16, cue->samples.data(), ALsizei(cue->samples.size() * sizeof(std::int16_t)),
                   cue->rate);
      found = buffers_.emplace(cue.get(), Buffer{cue, buffer}).first;
    }
    return found->second.name;
  }

  struct Buffer {
    std::shared_ptr<const Pcm> cue;  // kept alive while the device holds its samples
    ALuint name;
  };

  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  ALuint source_ = 0;
  std::map<const Pcm*, Buffer> buffers_;
};

// A busy machine must not starve the mixer: the threads the library starts from this one
// take its priority. Real-time where the system grants it; otherwise as it was.
void raisePriority() {
  sched_param param{};
  param.sched_priority = 1;
  pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}

}  // namespace

void prepareAudioLibrary() {
  // What the sound server holds ahead of the ear, in ms: a new cue is heard this soon.
  // Without it the server picks its own, often far more.
  setenv("PULSE_LATENCY_MSEC", "60", 0);
  // The desktop's sound server, PulseAudio or PipeWire's stand-in for it. Trying ALSA after it
  // only fills the terminal with ALSA's complaints when no server runs; a player with ALSA
  // alone names it in ALSOFT_DRIVERS.
  setenv("ALSOFT_DRIVERS", "pulse", 0);
  // OpenAL Soft says on standard error that no sound server answers; the game plays on in
  // silence and tries again at the next cue.
  setenv("ALSOFT_LOGLEVEL", "0", 0);
}

// What the caller and the audio thread share; the thread holds it too, so a thread left behind
// at the exit never touches freed memory.
struct CueOutput::Mailbox {
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable ended;
  std::optional<std::shared_ptr<const Pcm>> request;  // the latest only: it cuts any before it
  bool quit = false;
  bool done = false;

  void run() {
    raisePriority();
    Device device;
    // Opened once now, so the first cue does not wait for the library to start.
    device.open();
    int quietLooks = 0;
    std::unique_lock lock(mutex);
    for (;;) {
      const auto due = [this] { return quit || request.has_value(); };
      if (!device.awake()) {
        wake.wait(lock, due);
      } else if (!wake.wait_for(lock, kSettle, due)) {
        // Closed once quiet for a while, the device wakes no thread (open, even paused, the
        // library looks at the server a hundred times a second). Not at once: opening again
        // asks the server several things, which a busy machine makes take a while.
        lock.unlock();
        quietLooks = device.playing() ? 0 : quietLooks + 1;
        if (quietLooks == kQuietLooks) device.close();
        lock.lock();
        continue;
      }
      if (quit) break;
      const std::shared_ptr<const Pcm> cue = std::move(*request);
      request.reset();
      lock.unlock();
      device.play(cue);
      quietLooks = 0;
      lock.lock();
    }
    lock.unlock();
    device.close();
    lock.lock();
    done = true;
    ended.notify_all();
  }
};

CueOutput::CueOutput() : mailbox_(std::make_shared<Mailbox>()) {
  std::thread([mailbox = mailbox_] { mailbox->run(); }).detach();
}

CueOutput::~CueOutput() {
  std::unique_lock lock(mailbox_->mutex);
  mailbox_->quit = true;
  mailbox_->wake.notify_one();
  mailbox_->ended.wait_for(lock, kQuitWait, [this] { return mailbox_->done; });
}

void CueOutput::play(std::shared_ptr<const Pcm> cue) {
  const std::lock_guard lock(mailbox_->mutex);
  mailbox_->request = std::move(cue);
  mailbox_->wake.notify_one();
}

}  // namespace tw
