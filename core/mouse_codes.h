#pragma once

namespace quavix {

// Mouse buttons and shift states as the key handlers receive them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

}  // namespace quavix
