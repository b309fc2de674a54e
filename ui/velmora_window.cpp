#include "ui/velmora_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <iostream>

#include "core/window_layout.h"
#include "platform/files/qt_picture_files.h"
#include "ui/band_menu.h"
#include "ui/card_widget.h"
#include "ui/colours.h"
#include "ui/control_widgets.h"
#include "ui/keyboard_widget.h"
#include "ui/note_image.h"
#include "ui/shown_text.h"

namespace quavix {

namespace {

using namespace control_widgets;
using layout::control;

constexpr int kTimer1Interval = 20;
constexpr int kTimer2Interval = 60000;
// New MIDI keyboards answer within about a second; RtMidi tells of none by itself.
constexpr int kMidiLookoutInterval = 1000;
constexpr std::array<const char*, 2> kNoteImageFiles = {"note_up.png", "note_down.png"};
constexpr std::array<const char*, 2> kIconFiles = {"icon.png", "icon-128.png"};

// The window goes on without a picture it cannot read, and says which one is missing.
QImage readShippedImage(std::string_view name) {
  QImage image = readBuiltInImage(name);
  if (image.isNull()) std::cerr << "quavix: cannot read the picture " << name << '\n';
  return image;
}

QPoint pixelPosition(int leftTwips, int topTwips, int percent) {
  return QPoint(layout::toPixels(leftTwips, percent), layout::toPixels(topTwips, percent));
}

}  // namespace

VelmoraWindow::VelmoraWindow(Velmora& velmora) : velmora_(velmora) {
  setWindowTitle(QString::fromUtf8(layout::kWindowCaption.data(),
                                   static_cast<qsizetype>(layout::kWindowCaption.size())));
  QPalette ground = palette();
  ground.setColor(QPalette::Window, toQColor(layout::kWindowBackground, ground));
  setPalette(ground);
  setAutoFillBackground(true);
  QIcon icon;
  for (const char* file : kIconFiles) {
    const QImage image = readShippedImage(file);
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  setWindowIcon(icon);
  // The band's tooltip also while the practice dialog has the focus.
  setAttribute(Qt::WA_AlwaysShowToolTips);

  language_.use(velmora_.settings().language);
  buildControls();
  stackControls();
  timer1_.setTimerType(Qt::PreciseTimer);
  timer1_.setInterval(kTimer1Interval);
  timer2_.setTimerType(Qt::PreciseTimer);
  timer2_.setInterval(kTimer2Interval);
  midiLookout_.setInterval(kMidiLookoutInterval);
  connectHandlers();
  midiLookout_.start();
  // Not the start button, which a stray Space would press.
  keyboard_->setFocus();
  bandMenu_ = new BandMenu(
      velmora_, [this](const std::function<void()>& handler) { run(handler); }, this);
}

void VelmoraWindow::buildControls() {
  auto keep = [this](QWidget* widget, std::string_view name, int index = -1) {
    widgets_[{std::string(name), index}] = widget;
  };
  // Containers before what they hold; the stacking order is set afterwards.
  card_ = new CardWidget(pixelGeometry(control("Picture1")), control("Picture1").background,
                         control("Picture1").foreground, this);
  keep(card_, "Picture1");
  for (int i = 0; i < 2; ++i) {
    image1_[i] = new NoteImage(readShippedImage(kNoteImageFiles[i]), i == 0, card_);
    image1_[i]->setGeometry(pixelGeometry(control("Image1", i)));
    keep(image1_[i], "Image1", i);
  }
  band_ = makePanel(control("Picture2"), this);
  keep(band_, "Picture2");
  label1_ = makeLabel(control("Label1"), band_);
  keep(label1_, "Label1");
  label2_ = makeLabel(control("Label2"), band_);
  keep(label2_, "Label2");
  keyboard_ = new KeyboardWidget(this);
  for (const layout::ControlSpec& spec : layout::controlTable()) {
    if (spec.name == layout::kWhiteKeys || spec.name == layout::kBlackKeys) {
      keep(keyboard_, spec.name, spec.index);
    }
  }
  frame2_ = makePanel(control("Frame2"), this);
  keep(frame2_, "Frame2");
  for (int i = 0; i < 3; ++i) {
    option1_[i] = makeOption(control("Option1", i), frame2_);
    keep(option1_[i], "Option1", i);
  }
  frame1_ = makePanel(control("Frame1"), this);
  keep(frame1_, "Frame1");
  for (int i = 0; i < 2; ++i) {
    option2_[i] = makeOption(control("Option2", i), frame1_);
    keep(option2_[i], "Option2", i);
  }
  command3_ = makeButton(control("Command3"), this);
  keep(command3_, "Command3");
  command4_ = makeButton(control("Command4"), this);
  keep(command4_, "Command4");
  text1_ = makeTextBox(control("Text1"), this);
  keep(text1_, "Text1");
  text2_ = makeTextBox(control("Text2"), this);
  keep(text2_, "Text2");
}

// Raising every control from the bottom of the table to its top leaves each widget as high as
// its highest row: the keyboard ends above the band, as all keys but Command1(0) are.
void VelmoraWindow::stackControls() {
  const auto table = layout::controlTable();
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    controlWidget(it->name, it->index)->raise();
  }
}

QWidget* VelmoraWindow::controlWidget(std::string_view name, int index) const {
  const auto it = widgets_.find({std::string(name), index});
  return it == widgets_.end() ? nullptr : it->second;
}

void VelmoraWindow::connectHandlers() {
  connect(keyboard_, &KeyboardWidget::keyPressed, this,
          [this](layout::KeyRef key, int button, int shift, int x, int y) {
            keyEvent(true, key, button, shift, x, y);
          });
  connect(keyboard_, &KeyboardWidget::keyReleased, this,
          [this](layout::KeyRef key, int button, int shift, int x, int y) {
            keyEvent(false, key, button, shift, x, y);
          });
  connect(command3_, &QAbstractButton::clicked, this,
          [this] { run([this] { velmora_.Command3_Click(); }); });
  connect(command4_, &QAbstractButton::clicked, this, [this] {
    if (velmora_.settings().askBeforeClearing &&
        QMessageBox::question(this, shownText(layout::control("Command4").text),
                              tr("所有分数都将清零，确定吗？")) != QMessageBox::Yes) {
      return;
    }
    run([this] { velmora_.Command4_Click(); });
  });
  for (int i = 0; i < 3; ++i) {
    connect(option1_[i], &QAbstractButton::clicked, this,
            [this, i] { run([this, i] { velmora_.Option1_Click(i); }); });
  }
  for (int i = 0; i < 2; ++i) {
    connect(option2_[i], &QAbstractButton::clicked, this,
            [this, i] { run([this, i] { velmora_.Option2_Click(i); }); });
  }
  connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { velmora_.Timer1_Timer(); }); });
  connect(&timer2_, &QTimer::timeout, this, [this] { run([this] { velmora_.Timer2_Timer(); }); });
  connect(&midiLookout_, &QTimer::timeout, this,
          [this] { run([this] { velmora_.refreshMidiInputs(); }); });
}

void VelmoraWindow::mirror() {
  const Controls& now = velmora_.controls();
  const Controls* before = shown_ ? &*shown_ : nullptr;
  auto changed = [&](auto member) { return !before || now.*member != before->*member; };
  auto setRunning = [](QTimer& timer, bool enabled) { enabled ? timer.start() : timer.stop(); };

  language_.use(velmora_.settings().language);
  if (velmora_.settings().windowScale != scaleShown_) applyScale();
  if (velmora_.settings().noteNames != namingShown_) {
    namingShown_ = velmora_.settings().noteNames;
    showTexts();
  }
  if (changed(&Controls::gameRunning) || changed(&Controls::label2Score) ||
      changed(&Controls::secondsLeft) || changed(&Controls::runResult)) {
    showCaptions(now);
  }
  if (changed(&Controls::command4Enabled)) command4_->setEnabled(now.command4Enabled);
  keyboard_->setKeyColours(now);
  keyboard_->setHeldKeys(velmora_.keys());
  if (changed(&Controls::frame1Enabled)) frame1_->setEnabled(now.frame1Enabled);
  if (changed(&Controls::frame2Enabled)) frame2_->setEnabled(now.frame2Enabled);
  if (changed(&Controls::option1Selected)) {
    for (int i = 0; i < 3; ++i) {
      option1_[i]->setSelected(now.option1Selected[i]);
    }
  }
  if (changed(&Controls::option2Selected)) {
    for (int i = 0; i < 2; ++i) {
      option2_[i]->setSelected(now.option2Selected[i]);
    }
  }
  if (changed(&Controls::text1Visible)) text1_->setVisible(now.text1Visible);
  if (changed(&Controls::text2Visible)) text2_->setVisible(now.text2Visible);
  if (changed(&Controls::label1Visible)) label1_->setVisible(now.label1Visible);

  placeCard(now, before);

  if (changed(&Controls::timer1Enabled)) setRunning(timer1_, now.timer1Enabled);
  if (changed(&Controls::timer2Enabled)) setRunning(timer2_, now.timer2Enabled);
  shown_ = now;
}

// With no `before`, everything is placed.
void VelmoraWindow::placeCard(const Controls& now, const Controls* before) {
  const CardModel& card = now.picture1;
  card_->showCard(card);
  if (!before || card.left != before->picture1.left || card.top != before->picture1.top) {
    card_->move(pixelPosition(card.left, card.top, scale_));
  }
  for (int i = 0; i < 2; ++i) {
    const ImageModel& image = now.image1[i];
    if (!before || image.left != before->image1[i].left || image.top != before->image1[i].top) {
      image1_[i]->move(pixelPosition(image.left, image.top, scale_));
    }
    if (!before || image.visible != before->image1[i].visible) {
      image1_[i]->setVisible(image.visible);
    }
  }
}

void VelmoraWindow::applyScale() {
  scaleShown_ = velmora_.settings().windowScale;
  scale_ = *scaleShown_ == layout::kFitScreen ? fitScreenScale() : *scaleShown_;
  setFixedSize(layout::toPixels(layout::kClientWidth, scale_),
               layout::toPixels(layout::kClientHeight, scale_));
  for (const layout::ControlSpec& spec : layout::controlTable()) {
    QWidget* widget = controlWidget(spec.name, spec.index);
    if (widget != keyboard_) place(widget, spec, scale_);
  }
  keyboard_->setScale(scale_);
  for (ColourButton* button : {command3_, command4_}) button->setScale(scale_);
  for (OptionBox* option : option1_) option->setScale(scale_);
  for (OptionBox* option : option2_) option->setScale(scale_);
  for (NoteImage* image : image1_) image->setScale(scale_);
  card_->setScale(scale_, pixelGeometry(layout::control("Picture1"), scale_).size());
  placeCard(velmora_.controls(), nullptr);
  // A window grown past the screen's edge comes back onto it.
  if (isVisible() && screen()) {
    const QRect free = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(std::clamp(frame.left(), free.left(),
                    std::max(free.left(), free.right() + 1 - frame.width())),
         std::clamp(frame.top(), free.top(),
                    std::max(free.top(), free.bottom() + 1 - frame.height())));
  }
}

// Inside the window's frame, as far as it is known.
int VelmoraWindow::fitScreenScale() const {
  if (!screen()) return layout::kNormalScale;
  const QRect free = screen()->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  return layout::fitScale(free.width() - frame.width(), free.height() - frame.height());
}

void VelmoraWindow::showCaptions(const Controls& now) {
  command3_->setText(shownText(command3Caption(now)));
  label2_->setText(now.runResult ? shownRunCaption(*now.runResult)
                                 : shownScoreCaption(now.label2Score, now.secondsLeft));
}

void VelmoraWindow::showTexts() {
  for (const layout::ControlSpec& spec : layout::controlTable()) {
    if (!spec.text.empty()) showText(controlWidget(spec.name, spec.index), spec);
  }
  label1_->setText(withMiddleCName(label1_->text(), namingShown_));
  band_->setToolTip(tr("右键单击黑色横条可打开设置"));
  showCaptions(velmora_.controls());
}

void VelmoraWindow::paintEvent(QPaintEvent*) {
  if (painted_) return;
  painted_ = true;
  emit firstPainted();
}

void VelmoraWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  connect(windowHandle(), &QWindow::screenChanged, this, &VelmoraWindow::refit,
          Qt::UniqueConnection);
  QTimer::singleShot(0, this, &VelmoraWindow::refit);
}

void VelmoraWindow::refit() {
  if (velmora_.settings().windowScale == layout::kFitScreen) applyScale();
}

void VelmoraWindow::contextMenuEvent(QContextMenuEvent* event) {
  const QRect band = band_->geometry();
  const bool onBand = band.contains(event->pos()) && !keyboard_->geometry().contains(event->pos());
  if (event->reason() == QContextMenuEvent::Mouse && !onBand) {
    event->ignore();
    return;
  }
  const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->pos() : band.center();
  bandMenu_->popup(mapToGlobal(at));
}

// A key let go in another window never comes back here as a release.
void VelmoraWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) showTexts();
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    run([this] { velmora_.releaseComputerKeys(); });
  }
  QWidget::changeEvent(event);
}

void VelmoraWindow::closeEvent(QCloseEvent* event) {
  timer1_.stop();
  timer2_.stop();
  velmora_.Form_Unload();
  event->accept();
}

}  // namespace quavix
