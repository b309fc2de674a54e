#include "core/controls_model.h"

#include "core/window_layout.h"

namespace quavix {

Controls initialControls() {
  Controls c;
  c.command4Enabled = false;
  c.whiteKeyColours.fill(kWhite);
  c.option1Selected = {true, false, false};
  c.option2Selected = {true, false};
  const layout::TwipRect card = layout::control("Picture1").rect;
  c.picture1.left = card.left;
  c.picture1.top = card.top;
  for (int i = 0; i < 2; ++i) {
    const layout::TwipRect image = layout::control("Image1", i).rect;
    c.image1[i] = {image.left, image.top, true};
  }
  return c;
}

const char* command3Caption(const Controls& controls) {
  return controls.gameRunning ? kCaptionStop : kCaptionStart;
}

}  // namespace quavix
