#include "ui/control_widgets.h"

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/shown_text.h"

namespace quavix::control_widgets {

namespace {

QString text(const layout::ControlSpec& spec) { return shownText(spec.text); }

void setColours(QWidget* widget, const layout::ControlSpec& spec, QPalette::ColorRole ground,
                QPalette::ColorRole ink) {
  QPalette palette = widget->palette();
  palette.setColor(ground, toQColor(spec.background, palette));
  palette.setColor(ink, toQColor(spec.foreground, palette));
  widget->setPalette(palette);
}

}  // namespace

QRect pixelRect(const layout::TwipRect& twips, int percent) {
  const layout::PixelRect r = layout::toPixels(twips, percent);
  return QRect(r.left, r.top, r.width, r.height);
}

QRect pixelGeometry(const layout::ControlSpec& spec, int percent) {
  return pixelRect(spec.rect, percent);
}

void place(QWidget* widget, const layout::ControlSpec& spec, int percent) {
  widget->setGeometry(pixelGeometry(spec, percent));
  widget->setFont(spec.font ? layoutFont(*spec.font, percent) : desktopFont(widget, percent));
}

void showText(QWidget* widget, const layout::ControlSpec& spec) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(text(spec));
    box->setCursorPosition(0);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text(spec));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text(spec));
  }
}

QLineEdit* makeTextBox(const layout::ControlSpec& spec, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setReadOnly(true);
  box->setFrame(false);
  box->setFocusPolicy(Qt::NoFocus);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  showText(box, spec);
  setColours(box, spec, QPalette::Base, QPalette::Text);
  place(box, spec, layout::kNormalScale);
  return box;
}

ColourButton* makeButton(const layout::ControlSpec& spec, QWidget* parent) {
  auto* button = new ColourButton(toQColor(spec.background, parent->palette()), parent);
  button->setText(text(spec));
  setColours(button, spec, QPalette::Button, QPalette::ButtonText);
  // Only Tab focuses it, never a click, so a stray Space or Enter never presses it unchosen.
  button->setFocusPolicy(Qt::TabFocus);
  place(button, spec, layout::kNormalScale);
  return button;
}

QWidget* makePanel(const layout::ControlSpec& spec, QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setAutoFillBackground(true);
  setColours(panel, spec, QPalette::Window, QPalette::WindowText);
  place(panel, spec, layout::kNormalScale);
  return panel;
}

OptionBox* makeOption(const layout::ControlSpec& spec, QWidget* parent) {
  auto* option = new OptionBox(toQColor(spec.background, parent->palette()), parent);
  option->setText(text(spec));
  option->setFocusPolicy(Qt::TabFocus);
  setColours(option, spec, QPalette::Button, QPalette::ButtonText);
  place(option, spec, layout::kNormalScale);
  return option;
}

QLabel* makeLabel(const layout::ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(text(spec), parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  setColours(label, spec, QPalette::Window, QPalette::WindowText);
  place(label, spec, layout::kNormalScale);
  return label;
}

}  // namespace quavix::control_widgets
