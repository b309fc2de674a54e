#include "ui/fonts.h"

#include <QApplication>
#include <QStringList>
#include <QtGlobal>

namespace quavix {

void prepareFonts() {
  // The CJK fonts come without a bold face, and Qt draws one only below 64 pixels by default;
  // the title asks for 64.
  if (!qEnvironmentVariableIsSet("QT_NO_SYNTHESIZED_BOLD_LIMIT")) {
    qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
  }
  const QStringList sans = {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "Droid Sans Fallback"};
  const QStringList serif = {"Noto Serif CJK SC", "AR PL UMing CN", "WenQuanYi Zen Hei",
                             "Noto Sans CJK SC"};
  QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
  QFont::insertSubstitutions(QStringLiteral("幼圆"), sans);
  QFont::insertSubstitutions(QStringLiteral("隶书"), sans);
}

QFont layoutFont(const layout::FontSpec& spec, int percent) {
  QFont font(QString::fromUtf8(spec.family.data(), static_cast<qsizetype>(spec.family.size())));
  font.setPixelSize(layout::pointsToPixels(spec.points, percent));
  font.setWeight(static_cast<QFont::Weight>(spec.weight));
  return font;
}

QFont desktopFont(const QWidget* widget, int percent) {
  if (percent == layout::kNormalScale) return QFont();
  QFont font = QApplication::font(widget);
  if (font.pixelSize() > 0) {
    font.setPixelSize(layout::scaledPixels(font.pixelSize(), percent));
  } else {
    font.setPointSizeF(font.pointSizeF() * percent / layout::kNormalScale);
  }
  return font;
}

}  // namespace quavix
