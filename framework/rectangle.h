// Rectangle: a filled area with an optional border; it takes no focus and shows no text.
//
// Events: Open ( Rectangle ).
#pragma once

#include "framework/control.h"

namespace fw {

class Rectangle : public RectControl {
 public:
  static constexpr const char* kClassName = "Rectangle";
  Rectangle();

  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  std::int64_t BorderWidth() const { return border_width_; }
  void SetBorderWidth(std::int64_t v);
  Color TopLeftColor() const { return top_left_; }
  void SetTopLeftColor(Color c);
  Color BottomRightColor() const { return bottom_right_; }
  void SetBottomRightColor(Color c);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  void RaiseOpen() override;

  Color fill_{255, 255, 255, 0}, top_left_{0, 0, 0, 0}, bottom_right_{0, 0, 0, 0};
  std::int64_t border_width_ = 1;
};

}  // namespace fw
