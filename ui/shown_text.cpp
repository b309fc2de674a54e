#include "ui/shown_text.h"

#include <QCoreApplication>
#include <string>

#include "core/score_caption.h"
#include "core/translatable.h"

namespace quavix {

QString shownText(std::string_view text) {
  if (text.empty()) return {};
  return QCoreApplication::translate(kTextContext, std::string(text).c_str());
}

QString shownScoreCaption(std::optional<int16_t> score) {
  if (!score) return {};
  return shownText(kScoreLabel) + QString::number(*score);
}

}  // namespace quavix
