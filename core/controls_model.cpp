#include "core/controls_model.h"

namespace quavix {

Controls initialControls() {
  Controls c;
  c.command4Enabled = false;
  c.whiteKeyColours.fill(kWhite);
  c.option1Selected = {true, false, false};
  c.option2Selected = {true, false};
  c.picture1.left = 3720;
  c.picture1.top = -1225;
  c.image1[0] = {360, 255, true};
  c.image1[1] = {360, 315, true};
  return c;
}

const char* command3Caption(const Controls& controls) {
  return controls.gameRunning ? kCaptionStop : kCaptionStart;
}

}  // namespace quavix
