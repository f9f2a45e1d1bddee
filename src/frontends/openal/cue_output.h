#pragma once
// Cues through OpenAL from a thread of their own, so the caller never waits on the sound
// server: not when it is missing, stalled, killed or back again.
#include <memory>

#include "model/wav.h"

namespace tw {

// Settings the sound libraries read from the environment: call before any thread starts.
void prepareAudioLibrary();

class CueOutput {
 public:
  CueOutput();
  // Waits a moment at most: an audio thread caught in a stalled server is left to the exit.
  ~CueOutput();
  CueOutput(const CueOutput&) = delete;
  CueOutput& operator=(const CueOutput&) = delete;

  // Cuts the cue playing, if any, and starts this one; none only cuts.
  void play(std::shared_ptr<const Pcm> cue);

  struct Mailbox;

 private:
  std::shared_ptr<Mailbox> mailbox_;
};

}  // namespace tw
