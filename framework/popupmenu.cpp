#include "framework/popupmenu.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "framework/qt_support.h"
#include "framework/text_lines.h"

namespace fw {

namespace internal {

class PopupMenuWidget : public QComboBox {
 public:
  PopupMenuWidget(PopupMenu* owner, QWidget* parent) : QComboBox(parent), owner_(owner) {
    connect(this, &QComboBox::activated, this, [this](int index) {
      if (owner_) owner_->ChosenInWidget(index);
    });
  }
  void Detach() { owner_ = nullptr; }

 private:
  PopupMenu* owner_;
};

}  // namespace internal

PopupMenu::PopupMenu() {
  RegisterProperty("InitialValue", &PopupMenu::InitialValue, &PopupMenu::SetInitialValue);
  RegisterProperty("ListIndex", &PopupMenu::ListIndex, &PopupMenu::SetListIndex);
  DeclareEvent<void, Ref<PopupMenu>>("Open");
  DeclareEvent<void, Ref<PopupMenu>>("Change");
}

PopupMenu::~PopupMenu() {
  if (auto* w = static_cast<internal::PopupMenuWidget*>(QtWidget())) w->Detach();
}

QWidget* PopupMenu::CreateWidget(QWidget* parent) {
  return new internal::PopupMenuWidget(this, parent);
}

void PopupMenu::Constructor() {
  RectControl::Constructor();
  auto* w = static_cast<QComboBox*>(QtWidget());
  const QSignalBlocker blocker(w);
  for (const std::string& row : rows_) w->addItem(qt::ToQ(row));
  ShowIndex();
  ApplyFont();
}

void PopupMenu::ShowIndex() {
  if (auto* w = static_cast<QComboBox*>(QtWidget())) {
    const QSignalBlocker blocker(w);
    w->setCurrentIndex(static_cast<int>(index_));
  }
}

void PopupMenu::SetInitialValue(const std::string& rows) {
  CheckUIThread();
  RemoveAllRows();
  initial_value_ = rows;
  for (const std::string& row : internal::SplitLines(rows)) AddRow(row);
}

void PopupMenu::AddRow(const std::string& text) {
  CheckUIThread();
  rows_.push_back(text);
  if (auto* w = static_cast<QComboBox*>(QtWidget())) {
    const QSignalBlocker blocker(w);
    w->addItem(qt::ToQ(text));
  }
  ShowIndex();
}

std::string PopupMenu::List(std::int64_t index) const {
  if (index < 0 || index >= ListCount()) {
    throw OutOfBoundsException("PopupMenu.List " + std::to_string(index) + " is not a row of " +
                               Name() + ", which has " + std::to_string(ListCount()));
  }
  return rows_[static_cast<std::size_t>(index)];
}

void PopupMenu::RemoveAllRows() {
  CheckUIThread();
  rows_.clear();
  initial_value_.clear();
  if (auto* w = static_cast<QComboBox*>(QtWidget())) {
    const QSignalBlocker blocker(w);
    w->clear();
  }
  if (index_ != -1) {
    index_ = -1;
    RaiseChange();
  }
}

void PopupMenu::SetListIndex(std::int64_t index) {
  CheckUIThread();
  if (rows_.empty()) return;
  if (index < -1 || index >= ListCount()) {
    throw OutOfBoundsException("PopupMenu.ListIndex " + std::to_string(index) +
                               " is not -1 or a row of " + Name() + ", which has " +
                               std::to_string(ListCount()));
  }
  if (index == index_) return;
  index_ = index;
  ShowIndex();
  RaiseChange();
}

void PopupMenu::ChosenInWidget(std::int64_t index) {
  if (index == index_ || index < -1 || index >= ListCount()) return;
  index_ = index;
  CallFromQt([this] { RaiseChange(); });
}

void PopupMenu::RaiseOpen() { RaiseEvent<void, Ref<PopupMenu>>("Open", SelfRef(this)); }

void PopupMenu::RaiseChange() { RaiseEvent<void, Ref<PopupMenu>>("Change", SelfRef(this)); }

}  // namespace fw
