#include "framework/textfield.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSignalBlocker>
#include <limits>
#include <map>
#include <optional>

#include "framework/qt_support.h"

namespace fw {

namespace internal {

class TextFieldWidget : public QLineEdit {
 public:
  TextFieldWidget(TextField* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (owner_) owner_->TextChangedInWidget(qt::FromQ(text));
    });
  }
  void Detach() { owner_ = nullptr; }

  // The rounded bezel with this back colour, or none. The widget paints it itself: a style sheet
  // for it costs the launch more than the rest of the field.
  void SetRoundedBezel(std::optional<QColor> back) {
    rounded_back_ = back;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (rounded_back_) PaintRoundedBezel();
    QLineEdit::paintEvent(event);
  }

 private:
  // A grey line of one pixel, two in the highlight colour while the field has focus, round the
  // back colour. The line edit's own panel, transparent, leaves both alone.
  void PaintRoundedBezel() {
    constexpr qreal kRadius = 5;
    const bool focused = hasFocus();
    const qreal line = focused ? 2 : 1;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), kRadius, kRadius);
    painter.fillPath(outline, *rounded_back_);
    painter.setPen(
        QPen(focused ? palette().color(QPalette::Highlight) : QColor(160, 160, 160), line));
    painter.setBrush(Qt::NoBrush);
    const qreal half = line / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), kRadius - half,
                            kRadius - half);
  }

  TextField* owner_;
  std::optional<QColor> rounded_back_;
};

}  // namespace internal

namespace {

std::map<std::int64_t, TextField*>& Fields() {
  static std::map<std::int64_t, TextField*> fields;
  return fields;
}

std::int64_t NextHandle() {
  static std::int64_t next = 0x5F10;
  return ++next;
}

}  // namespace

TextField::TextField() : handle_(NextHandle()) {
  Fields()[handle_] = this;
  RegisterProperty("Text", &TextField::Text, &TextField::SetText);
  RegisterProperty("Alignment", &TextField::Alignment, &TextField::SetAlignment);
  RegisterProperty("Border", &TextField::Border, &TextField::SetBorder);
  RegisterProperty("UseFocusRing", &TextField::UseFocusRing, &TextField::SetUseFocusRing);
  RegisterProperty("TextColor", &TextField::TextColor, &TextField::SetTextColor);
  RegisterProperty("BackColor", &TextField::BackColor, &TextField::SetBackColor);
  RegisterProperty("Password", &TextField::Password, &TextField::SetPassword);
  RegisterProperty("Format", &TextField::Format, &TextField::SetFormat);
  RegisterProperty("Mask", &TextField::Mask, &TextField::SetMask);
  RegisterProperty("CueText", &TextField::CueText, &TextField::SetCueText);
  RegisterProperty("LimitText", &TextField::LimitText, &TextField::SetLimitText);
  RegisterProperty("ReadOnly", &TextField::ReadOnly, &TextField::SetReadOnly);
  RegisterProperty("AcceptTabs", &TextField::AcceptTabs, &TextField::SetAcceptTabs);
  RegisterProperty("AutomaticallyCheckSpelling", &TextField::AutomaticallyCheckSpelling,
                   &TextField::SetAutomaticallyCheckSpelling);
  DeclareEvent<void, Ref<TextField>>("Open");
  DeclareEvent<void, Ref<TextField>>("TextChange");
}

TextField::~TextField() {
  Fields().erase(handle_);
  if (auto* w = static_cast<internal::TextFieldWidget*>(QtWidget())) w->Detach();
}

QWidget* TextField::CreateWidget(QWidget* parent) {
  return new internal::TextFieldWidget(this, parent);
}

void TextField::Constructor() {
  RectControl::Constructor();
  auto* w = static_cast<QLineEdit*>(QtWidget());
  {
    const QSignalBlocker blocker(w);
    w->setText(qt::ToQ(text_));
  }
  w->setPlaceholderText(qt::ToQ(cue_text_));
  w->setReadOnly(read_only_);
  SetPassword(password_);
  SetLimitText(limit_text_);
  SetAlignment(alignment_);
  ApplyLook();
  ApplyFont();
}

TextField* TextField::FromHandle(std::int64_t handle) {
  auto it = Fields().find(handle);
  return it == Fields().end() ? nullptr : it->second;
}

void TextField::SetText(const std::string& text) {
  CheckUIThread();
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) {
    w->setText(qt::ToQ(text));
  } else {
    text_ = text;
  }
}

void TextField::TextChangedInWidget(const std::string& text) {
  text_ = text;
  CallFromQt([this] { RaiseTextChange(); });
}

void TextField::SetAlignment(std::int64_t alignment) {
  if (alignment < 0 || alignment > 3) {
    throw OutOfBoundsException("TextField.Alignment " + std::to_string(alignment) +
                               " is not 0 to 3");
  }
  alignment_ = alignment;
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) {
    Qt::Alignment horizontal = alignment == 2   ? Qt::AlignHCenter
                               : alignment == 3 ? Qt::AlignRight
                                                : Qt::AlignLeft;
    w->setAlignment(horizontal | Qt::AlignVCenter);
  }
}

void TextField::SetBorder(bool v) {
  border_ = v;
  ApplyLook();
}
void TextField::SetTextColor(Color c) {
  text_color_ = c;
  ApplyLook();
}
void TextField::SetBackColor(Color c) {
  back_color_ = c;
  ApplyLook();
}

void TextField::SetBezelStyle(std::int64_t style) {
  CheckUIThread();
  if (style != 0 && style != 1) {
    throw UnsupportedOperationException("TextField bezel style " + std::to_string(style) +
                                        " is not supported; 0 (square) and 1 (rounded) are");
  }
  bezel_style_ = style;
  ApplyLook();
}

void TextField::ApplyLook() {
  auto* w = static_cast<internal::TextFieldWidget*>(QtWidget());
  if (!w) return;
  QPalette palette = w->palette();
  palette.setColor(QPalette::Text, qt::ToQ(text_color_));
  if (bezel_style_ == 1) {
    // The bezel's line of one pixel, then a padding of one pixel above and below and four at the
    // sides; the wider line of a focused field takes a pixel of that padding, so the text stays.
    palette.setColor(QPalette::Base, Qt::transparent);
    w->setFrame(false);
    w->setTextMargins(5, 2, 5, 2);
    w->SetRoundedBezel(qt::ToQ(back_color_));
  } else {
    palette.setColor(QPalette::Base, qt::ToQ(back_color_));
    w->setFrame(border_);
    w->setTextMargins(0, 0, 0, 0);
    w->SetRoundedBezel(std::nullopt);
  }
  w->setPalette(palette);
}

void TextField::SetPassword(bool v) {
  password_ = v;
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) {
    w->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
  }
}

void TextField::SetFormat(const std::string& format) {
  if (!format.empty()) {
    throw UnsupportedOperationException("TextField.Format \"" + format +
                                        "\" is not supported; only \"\" is");
  }
  format_ = format;
}

void TextField::SetMask(const std::string& mask) {
  if (!mask.empty()) {
    throw UnsupportedOperationException("TextField.Mask \"" + mask +
                                        "\" is not supported; only \"\" is");
  }
  mask_ = mask;
}

void TextField::SetCueText(const std::string& text) {
  cue_text_ = text;
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) w->setPlaceholderText(qt::ToQ(text));
}

void TextField::SetLimitText(std::int64_t limit) {
  if (limit < 0)
    throw OutOfBoundsException("TextField.LimitText " + std::to_string(limit) + " is negative");
  limit_text_ = limit;
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) {
    // 0 is no limit; QLineEdit's own default would cut a longer paste at 32,767 without a word.
    constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
    w->setMaxLength(static_cast<int>(limit == 0 || limit > kLargest ? kLargest : limit));
  }
}

void TextField::SetReadOnly(bool v) {
  read_only_ = v;
  if (auto* w = static_cast<QLineEdit*>(QtWidget())) w->setReadOnly(v);
}

void TextField::SetAcceptTabs(bool v) {
  if (v)
    throw UnsupportedOperationException("TextField.AcceptTabs True is not supported; False is");
  accept_tabs_ = v;
}

void TextField::RaiseOpen() { RaiseEvent<void, Ref<TextField>>("Open", SelfRef(this)); }

void TextField::RaiseTextChange() { RaiseEvent<void, Ref<TextField>>("TextChange", SelfRef(this)); }

}  // namespace fw
