#pragma once

// A text the player sees. The core keeps it in Chinese, the source language; the window shows it
// through Qt's translations in this context. lupdate reads QUAVIX_TEXT as QT_TRANSLATE_NOOP.
#define QUAVIX_TEXT(context, text) text

namespace quavix {

inline constexpr char kTextContext[] = "Velmora";

}  // namespace quavix
