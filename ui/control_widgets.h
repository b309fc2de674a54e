#pragma once

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/window_layout.h"
#include "ui/colour_button.h"
#include "ui/option_box.h"

// Builds the widget of one layout row, placed, coloured, captioned and in its initial state.
namespace quavix::control_widgets {

QRect pixelGeometry(const layout::ControlSpec& spec, int percent = layout::kNormalScale);
QRect pixelRect(const layout::TwipRect& rect, int percent = layout::kNormalScale);
// Gives the widget the row's place and font at `percent` of the layout's size.
void place(QWidget* widget, const layout::ControlSpec& spec, int percent);
// Shows the row's text in the interface's language on its text box, button, option or label.
void showText(QWidget* widget, const layout::ControlSpec& spec);
// Text boxes are decorations: the player can neither edit nor select their text.
QLineEdit* makeTextBox(const layout::ControlSpec& spec, QWidget* parent);
ColourButton* makeButton(const layout::ControlSpec& spec, QWidget* parent);
// A plain rectangle in its background colour: the black band and the two option groups.
QWidget* makePanel(const layout::ControlSpec& spec, QWidget* parent);
OptionBox* makeOption(const layout::ControlSpec& spec, QWidget* parent);
QLabel* makeLabel(const layout::ControlSpec& spec, QWidget* parent);

}  // namespace quavix::control_widgets
