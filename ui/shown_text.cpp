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

QString shownScoreCaption(std::string_view caption) {
  constexpr std::string_view label = kScoreLabel;
  if (!caption.starts_with(label)) return shownText(caption);
  caption.remove_prefix(label.size());
  return shownText(label) +
         QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace quavix
