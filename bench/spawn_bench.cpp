#include <benchmark/benchmark.h>

#include <memory>

#include "core/card_fall.h"
#include "core/clock_random.h"
#include "core/game_control.h"

namespace quavix {
namespace {

class MemoryClefPictures : public PictureFiles {
 public:
  std::shared_ptr<const Picture> load(std::string_view) override { return picture_; }
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view) override { return picture_; }

 private:
  std::shared_ptr<const Picture> picture_ =
      std::make_shared<Picture>(Picture{80, 80, std::vector<uint32_t>(80 * 80, 0xFFFFFFFF)});
};

// The slowest spawn: a learning game at score 0, where only middle C may come, with every weight
// down to 2, so about 76 attempts are drawn on average.
void BM_WorstCaseSpawn(benchmark::State& benchState) {
  GameState state;
  Controls controls = initialControls();
  Command3_Click(state, controls);
  for (auto& weights : state.noteWeights) weights.fill(2);
  ClockRandom random;
  MemoryClefPictures pictures;
  for (auto _ : benchState) {
    state.noteFallY = 0;
    Timer1_Timer(state, controls, random, pictures);
    benchmark::DoNotOptimize(state.currentNote);
  }
}
BENCHMARK(BM_WorstCaseSpawn);

}  // namespace
}  // namespace quavix
