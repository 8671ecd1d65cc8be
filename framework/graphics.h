// Graphics: a drawing area handed to a paint event, origin at its top-left corner. It draws only
// while that event runs; afterwards every drawing call raises NilObjectException.
#pragma once

#include <cstdint>

#include "framework/badge.h"
#include "framework/object.h"
#include "framework/value.h"

class QPainter;

namespace fw {

class Picture;

namespace internal {
class CanvasWidget;
class CellDelegate;
}  // namespace internal

class Graphics : public Object {
 public:
  static constexpr const char* kClassName = "Graphics";
  // For the framework's paint events: draws with the painter, whose origin is already at the
  // area's top-left corner, over an area of that size.
  Graphics(QPainter* painter, std::int64_t width, std::int64_t height);
  ~Graphics() override;

  std::int64_t Width() const { return width_; }
  std::int64_t Height() const { return height_; }
  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color color);

  void FillRect(double left, double top, double width, double height);
  void DrawLine(double x1, double y1, double x2, double y2);
  // Draws the source rectangle of the picture stretched into the destination rectangle, each
  // axis scaled by itself.
  void DrawPicture(const Ref<Picture>& picture, double x, double y, double width, double height,
                   double source_x, double source_y, double source_width, double source_height);

 private:
  // The paint events that hand a Graphics out end it when they return.
  friend class internal::CanvasWidget;
  friend class internal::CellDelegate;
  friend class testing::Access;

  // The paint event is over: the painter is gone.
  void EndPaint() { painter_ = nullptr; }

  QPainter& Painter() const;
  QPainter* painter_;
  std::int64_t width_, height_;
  Color fore_color_{0, 0, 0, 0};
};

}  // namespace fw
