#include "ui/control_widgets.h"

#include <QPixmap>

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/shown_text.h"

namespace quavix::control_widgets {

namespace {

QString text(const layout::ControlSpec& spec) { return shownText(spec.text); }

void place(QWidget* widget, const layout::ControlSpec& spec) {
  widget->setGeometry(pixelGeometry(spec));
  if (spec.font) widget->setFont(layoutFont(*spec.font));
}

void setColours(QWidget* widget, const layout::ControlSpec& spec, QPalette::ColorRole ground,
                QPalette::ColorRole ink) {
  QPalette palette = widget->palette();
  palette.setColor(ground, toQColor(spec.background, palette));
  palette.setColor(ink, toQColor(spec.foreground, palette));
  widget->setPalette(palette);
}

}  // namespace

QRect pixelRect(const layout::TwipRect& r) {
  using layout::toPixels;
  return QRect(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

QRect pixelGeometry(const layout::ControlSpec& spec) {
  const layout::TwipRect& r = spec.rect;
  return QRect(layout::toPixels(r.left), layout::toPixels(r.top), layout::toPixels(r.width),
               layout::toPixels(r.height));
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
  place(box, spec);
  return box;
}

ColourButton* makeButton(const layout::ControlSpec& spec, QWidget* parent) {
  auto* button = new ColourButton(toQColor(spec.background, parent->palette()), parent);
  button->setText(text(spec));
  setColours(button, spec, QPalette::Button, QPalette::ButtonText);
  // Only Tab focuses it, never a click, so a stray Space or Enter never presses it unchosen.
  button->setFocusPolicy(Qt::TabFocus);
  place(button, spec);
  return button;
}

QWidget* makePanel(const layout::ControlSpec& spec, QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setAutoFillBackground(true);
  setColours(panel, spec, QPalette::Window, QPalette::WindowText);
  place(panel, spec);
  return panel;
}

OptionBox* makeOption(const layout::ControlSpec& spec, QWidget* parent) {
  auto* option = new OptionBox(toQColor(spec.background, parent->palette()), parent);
  option->setText(text(spec));
  option->setFocusPolicy(Qt::TabFocus);
  setColours(option, spec, QPalette::Button, QPalette::ButtonText);
  place(option, spec);
  return option;
}

QLabel* makeLabel(const layout::ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(text(spec), parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  setColours(label, spec, QPalette::Window, QPalette::WindowText);
  place(label, spec);
  return label;
}

QLabel* makeImage(const layout::ControlSpec& spec, const QImage& picture, QWidget* parent) {
  auto* image = new QLabel(parent);
  image->setPixmap(QPixmap::fromImage(picture));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  place(image, spec);
  return image;
}

}  // namespace quavix::control_widgets
