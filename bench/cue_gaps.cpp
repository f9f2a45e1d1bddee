// cue_gaps RECORDING PLANE_DIR: finds every cue in a raw recording (16-bit mono at the cues'
// rate, as the null sink's monitor gives it) and tells each gap inside a cue. The sound path
// is bit-exact, so a cue heard is a stretch of samples equal to the file's; a gap is a cue that
// stops and then goes on from where it stopped, a skip one that jumps ahead.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "system/file_reader.h"
#include "model/wav.h"

namespace {

using Samples = std::vector<std::int16_t>;
constexpr std::size_t kKey = 8;           // samples that name a place in a cue
constexpr int kAudible = 50;              // a key quieter than this names nothing
constexpr long kRate = 22050;
constexpr long kShortestGap = kRate / 500;  // 2 ms

struct Run {
  int cue;
  long from, to;  // samples of the cue
  long at, end;   // samples of the recording
};

bool audible(const std::int16_t* p) {
  for (std::size_t i = 0; i < kKey; ++i)
    if (p[i] > kAudible || p[i] < -kAudible) return true;
  return false;
}

std::string keyAt(const std::int16_t* p) { return std::string(reinterpret_cast<const char*>(p), kKey * 2); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: cue_gaps RECORDING PLANE_DIR\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Samples rec(raw.size() / 2);
  std::copy_n(raw.data(), rec.size() * 2, reinterpret_cast<char*>(rec.data()));

  std::vector<Samples> cues(9);
  std::map<std::string, std::pair<int, long>> places;
  for (int n = 1; n <= 8; ++n) {
    const tw::FileContent file = tw::readFileCapped(std::string(argv[2]) + "/" + std::to_string(n) + ".wav", tw::kCueFileBytes);
    const auto pcm = tw::decodeWav(file.bytes);
    if (!pcm) return std::fprintf(stderr, "cue_gaps: cannot read cue %d\n", n), 2;
    cues[n] = pcm->samples;
    for (std::size_t k = 0; k + kKey <= cues[n].size(); ++k)
      if (audible(&cues[n][k])) places.emplace(keyAt(&cues[n][k]), std::pair{n, long(k)});
  }

  // Each stretch of the recording equal to a stretch of a cue, in the recording's order.
  std::vector<Run> runs;
  for (long p = 0; p + long(kKey) <= long(rec.size());) {
    const auto found = audible(&rec[std::size_t(p)]) ? places.find(keyAt(&rec[std::size_t(p)])) : places.end();
    if (found == places.end()) {
      ++p;
      continue;
    }
    const auto [n, k] = found->second;
    const Samples& cue = cues[n];
    Run run{n, k, k, p, p};
    while (run.from > 0 && run.at > 0 && rec[std::size_t(run.at - 1)] == cue[std::size_t(run.from - 1)]) --run.from, --run.at;
    while (run.to < long(cue.size()) && run.end < long(rec.size()) && rec[std::size_t(run.end)] == cue[std::size_t(run.to)])
      ++run.to, ++run.end;
    runs.push_back(run);
    p = run.end;
  }

  if (std::getenv("TW_CUE_RUNS")) for (const Run& r : runs) std::printf("cue %d %ld..%ld at %.3f s\n", r.cue, r.from, r.to, double(r.at) / kRate);
  int heard = 0, whole = 0, gaps = 0, skips = 0;
  long longest = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Run& r = runs[i];
    const bool continued = i + 1 < runs.size() && runs[i + 1].cue == r.cue && runs[i + 1].from >= r.to - kShortestGap &&
                           runs[i + 1].from > 0;
    if (r.from <= kRate / 200 && !(i > 0 && runs[i - 1].cue == r.cue && runs[i - 1].to >= r.from && r.from > 0)) ++heard;
    if (r.to == long(cues[r.cue].size())) ++whole;
    if (!continued) continue;
    const Run& next = runs[i + 1];
    const long silent = (next.at - r.end) - (next.from - r.to);
    const double atMs = double(r.end) * 1000 / kRate;
    if (next.from > r.to + kShortestGap) {
      ++skips;
      std::printf("skip in cue %d at %.1f s: %.1f ms of it never heard\n", r.cue, atMs / 1000,
                  double(next.from - r.to) * 1000 / kRate);
    } else if (silent >= kShortestGap) {
      ++gaps;
      longest = std::max(longest, silent);
      std::printf("gap in cue %d at %.1f s: %.1f ms\n", r.cue, atMs / 1000, double(silent) * 1000 / kRate);
    }
  }
  std::printf("cues heard %d, played to their end %d, gaps of 2 ms or more %d (longest %.1f ms), skips %d\n", heard, whole,
              gaps, double(longest) * 1000 / kRate, skips);
  return gaps + skips > 0 ? 1 : 0;
}
