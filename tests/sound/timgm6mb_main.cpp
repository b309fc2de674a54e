// What these tests hear is TimGM6mb's, whichever SoundFont the host's default-GM.sf2 points at.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/sound/sound_test_support.h"

int main(int argc, char** argv) {
  setenv("QUAVIX_SOUNDFONT", quavix::test::kTimGM6mb, 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
