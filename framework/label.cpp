#include "framework/label.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "framework/qt_support.h"
#include "framework/text_fit.h"
#include "framework/window.h"

namespace fw {

namespace internal {

class LabelWidget : public QLabel {
 public:
  LabelWidget(Label* owner, QWidget* parent) : QLabel(parent), owner_(owner) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  // A text whose lines would not fit the label is drawn in a smaller size of its font, so that it
  // shows whole: the design's boxes were drawn for a narrower system font than some desktops have.
  void paintEvent(QPaintEvent* event) override {
    const QRect area = contentsRect();
    const QString shown = text();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QFont* smaller = shown.isEmpty() ? nullptr : fit_.Smaller(font(), shown, area, flags);
    if (!smaller) {
      QLabel::paintEvent(event);
      return;
    }
    QPainter painter(this);
    painter.setFont(*smaller);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), shown, foregroundRole());
  }

  void mousePressEvent(QMouseEvent* event) override {
    bool handled = false;
    const QPoint p = event->position().toPoint();
    CallFromQt([&] { handled = owner_->RaiseMouseDown(p.x(), p.y()); });
    if (!handled) QLabel::mousePressEvent(event);
  }

 private:
  Label* owner_;
  TextFit fit_;
};

}  // namespace internal

std::string CommandKeyName() {
#ifdef Q_OS_MACOS
  return "\u2318";
#else
  return "Ctrl";
#endif
}

Label::Label() {
  RegisterProperty("Text", &Label::Text, &Label::SetText);
  RegisterProperty("TextColor", &Label::TextColor, &Label::SetTextColor);
  RegisterProperty("TextAlign", &Label::TextAlign, &Label::SetTextAlign);
  RegisterProperty("MultiLine", &Label::MultiLine, &Label::SetMultiLine);
  RegisterProperty("Selectable", &Label::Selectable, &Label::SetSelectable);
  RegisterProperty("DataSource", &Label::DataSource, &Label::SetDataSource);
  RegisterProperty("DataField", &Label::DataField, &Label::SetDataField);
  RegisterProperty("LabelFor", &Label::LabelFor, &Label::SetLabelFor);
  DeclareEvent<void, Ref<Label>>("Open");
  DeclareEvent<bool, Ref<Label>, std::int64_t, std::int64_t>("MouseDown");
}

QWidget* Label::CreateWidget(QWidget* parent) {
  auto* label = new internal::LabelWidget(this, parent);
  return label;
}

std::string Label::DisplayedText() const {
  static const std::string kCommandSign = "\xEF\xA3\xBF";  // U+F8FF
  std::string shown = text_;
  for (auto pos = shown.find(kCommandSign); pos != std::string::npos;
       pos = shown.find(kCommandSign, pos)) {
    shown.replace(pos, kCommandSign.size(), CommandKeyName());
  }
  return shown;
}

void Label::SetText(const std::string& text) {
  CheckUIThread();
  text_ = text;
  if (auto* w = static_cast<QLabel*>(QtWidget())) w->setText(qt::ToQ(DisplayedText()));
  if (auto captioned = captioned_.lock()) captioned->SetCaption(Badge<Label>(), DisplayedText());
}

void Label::SetLabelFor(const std::string& name) {
  label_for_ = name;
  // While the window is being built, the control named may not exist yet: the window links every
  // control once it has made the last. A label without a widget has lost its window.
  Window* window = Owner();
  if (QtWidget() && window && window->ControlsCreated(Badge<Label>())) LinkToControls();
}

void Label::LinkToControls() {
  if (label_for_.empty() && captioned_.expired()) return;
  Ref<RectControl> target;
  if (!label_for_.empty()) {
    if (Window* window = Owner()) {
      target = CheckedCast<RectControl>(window->_ControlByName(label_for_));
    }
    if (!target || target.get() == this) {
      throw KeyNotFoundException("Label.LabelFor \"" + label_for_ + "\" of " + Name() +
                                 ": no other control of that name in its window");
    }
  }
  if (auto earlier = captioned_.lock(); earlier && earlier != target.shared()) {
    earlier->SetCaption(Badge<Label>(), "");
  }
  captioned_ = target.shared();
  // Qt's accessibility reports a label's buddy as the control that the label labels.
  if (auto* w = static_cast<QLabel*>(QtWidget())) {
    w->setBuddy(target ? target->CaptionedWidget(Badge<Label>()) : nullptr);
  }
  if (target) target->SetCaption(Badge<Label>(), DisplayedText());
}

void Label::ApplyAlignment() {
  auto* w = static_cast<QLabel*>(QtWidget());
  if (!w) return;
  Qt::Alignment horizontal = align_ == 1   ? Qt::AlignHCenter
                             : align_ == 2 ? Qt::AlignRight
                                           : Qt::AlignLeft;
  w->setAlignment(horizontal | (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
  w->setWordWrap(multiline_);
}

void Label::SetTextColor(Color c) {
  color_ = c;
  if (auto* w = QtWidget()) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, qt::ToQ(c));
    palette.setColor(QPalette::Text, qt::ToQ(c));
    w->setPalette(palette);
  }
}
void Label::SetTextAlign(std::int64_t align) {
  if (align < 0 || align > 3)
    throw OutOfBoundsException("Label.TextAlign " + std::to_string(align) + " is not 0 to 3");
  align_ = align;
  ApplyAlignment();
}
void Label::SetMultiLine(bool v) {
  multiline_ = v;
  ApplyAlignment();
}
void Label::SetSelectable(bool v) {
  selectable_ = v;
  if (auto* w = static_cast<QLabel*>(QtWidget())) {
    w->setTextInteractionFlags(v ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
  }
}

void Label::RaiseOpen() { RaiseEvent<void, Ref<Label>>("Open", SelfRef(this)); }

bool Label::RaiseMouseDown(std::int64_t x, std::int64_t y) {
  return RaiseEvent<bool, Ref<Label>, std::int64_t, std::int64_t>("MouseDown", SelfRef(this), x, y);
}

}  // namespace fw
