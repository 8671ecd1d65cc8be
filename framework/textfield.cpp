#include "framework/textfield.h"

#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <limits>
#include <map>

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

 private:
  TextField* owner_;
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

QString StyleColor(Color c) {
  return QStringLiteral("rgba(%1, %2, %3, %4)")
      .arg(c.red)
      .arg(c.green)
      .arg(c.blue)
      .arg(255 - c.alpha);
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
  auto* w = static_cast<QLineEdit*>(QtWidget());
  if (!w) return;
  QPalette palette = w->palette();
  palette.setColor(QPalette::Base, qt::ToQ(back_color_));
  palette.setColor(QPalette::Text, qt::ToQ(text_color_));
  w->setPalette(palette);
  w->setFrame(border_);
  if (bezel_style_ == 1) {
    // The focused border is a pixel wider and the padding a pixel narrower: the text stays put.
    w->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid rgb(160, 160, 160); "
                                    "border-radius: 5px; padding: 1px 4px; background: %1; "
                                    "color: %2; }"
                                    "QLineEdit:focus { border: 2px solid palette(highlight); "
                                    "padding: 0px 3px; }")
                         .arg(StyleColor(back_color_), StyleColor(text_color_)));
  } else {
    w->setStyleSheet(QString());
  }
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
