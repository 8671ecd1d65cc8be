// Label: a line or a block of text on the window. It draws no background of its own, so a label
// that lies on a coloured bar shows the bar behind its text.
//
// Events: Open ( Label ); MouseDown ( Label, Integer, Integer ) as Boolean.
#pragma once

#include <memory>
#include <string>

#include "framework/text_control.h"

namespace fw {

namespace internal {
class LabelWidget;
}  // namespace internal

class Label : public TextControl {
 public:
  static constexpr const char* kClassName = "Label";
  Label();

  // The text as stored. A character that the fonts cannot show, U+F8FF (the platform's command-key
  // sign), is drawn as the name of this platform's command key; the text itself stays as it is.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  std::string DisplayedText() const;

  Color TextColor() const { return color_; }
  void SetTextColor(Color c);
  std::int64_t TextAlign() const { return align_; }
  void SetTextAlign(std::int64_t align);
  bool MultiLine() const { return multiline_; }
  void SetMultiLine(bool v);
  bool Selectable() const { return selectable_; }
  void SetSelectable(bool v);
  const std::string& DataSource() const { return data_source_; }
  void SetDataSource(const std::string& v) { data_source_ = v; }
  const std::string& DataField() const { return data_field_; }
  void SetDataField(const std::string& v) { data_field_ = v; }
  // The name of the control in the same window that this label captions (empty: none). A screen
  // reader then knows that control by the label's words, also after the label's text changes.
  const std::string& LabelFor() const { return label_for_; }
  void SetLabelFor(const std::string& name);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  bool NamedByOwnText() const override { return true; }

 private:
  friend class internal::LabelWidget;

  void LinkToControls() override;
  void RaiseOpen() override;
  bool RaiseMouseDown(std::int64_t x, std::int64_t y);
  void ApplyAlignment();
  std::string text_, data_source_, data_field_, label_for_;
  std::weak_ptr<RectControl> captioned_;
  std::int64_t align_ = 0;
  bool multiline_ = false, selectable_ = false;
  Color color_{0, 0, 0, 0};
};

// The name of this platform's command key, which a label shows for U+F8FF: "Ctrl" here.
std::string CommandKeyName();

}  // namespace fw
