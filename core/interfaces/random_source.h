#pragma once

namespace quavix {

// The clock-seeded uniform generator; a test double scripts every draw.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Mixes the clock into the generator; successive calls still give different draws.
  virtual void reseed() = 0;
  // Uniform on [0, 1), single precision.
  virtual float next() = 0;
};

}  // namespace quavix
