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

QString withMiddleCName(const QString& hint, NoteNaming naming) {
  const qsizetype c = hint.lastIndexOf('C');
  if (c < 0) return hint;
  QString named = hint;
  return named.replace(c, 1, QString::fromStdString(nameIn(naming, SpelledNote{})));
}

QString shownScoreCaption(std::optional<int16_t> score, std::optional<int> secondsLeft) {
  if (!score) return {};
  QString caption = shownText(kScoreLabel) + QString::number(*score);
  if (secondsLeft) {
    caption += QString(" %1:%2").arg(*secondsLeft / 60).arg(*secondsLeft % 60, 2, 10, QChar('0'));
  }
  return caption;
}

QString shownRunCaption(const Fluency& run) {
  if (!run.scored()) return QCoreApplication::translate("Velmora", "答题太少");
  return QCoreApplication::translate("Velmora", "%1 音/分 %2%")
      .arg(QString::number(run.notesPerMinute, 'f', 1))
      .arg(qRound(100 * run.accuracy));
}

}  // namespace quavix
