// Canvas: an area that the program draws in its Paint event, which gets a Graphics of the
// canvas's size and the rectangles to redraw, in canvas coordinates. Unless Transparent, the
// canvas first fills those rectangles with the window's background when EraseBackground is set.
//
// Events: Open ( Canvas ); Paint ( Canvas, Graphics, Rect() ); MouseDown ( Canvas, Integer,
// Integer ) as Boolean.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

namespace internal {
class CanvasWidget;
}  // namespace internal

class Canvas : public RectControl {
 public:
  static constexpr const char* kClassName = "Canvas";
  Canvas();
  ~Canvas() override;

  void Constructor() override;

  bool AcceptFocus() const { return accept_focus_; }
  void SetAcceptFocus(bool v);
  // Whether Tab stays in the canvas instead of moving the focus on.
  bool AcceptTabs() const { return accept_tabs_; }
  void SetAcceptTabs(bool v) { accept_tabs_ = v; }
  bool UseFocusRing() const { return use_focus_ring_; }
  void SetUseFocusRing(bool v) { use_focus_ring_ = v; }
  bool DoubleBuffer() const { return double_buffer_; }
  void SetDoubleBuffer(bool v) { double_buffer_ = v; }
  bool EraseBackground() const { return erase_background_; }
  void SetEraseBackground(bool v);

  // Schedules a Paint of the whole canvas.
  void Invalidate();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  friend class internal::CanvasWidget;

  void RaiseOpen() override;
  void RaisePaint(const Ref<Graphics>& g, const std::vector<Rect>& areas);
  bool RaiseMouseDown(std::int64_t x, std::int64_t y);

  bool accept_focus_ = false, accept_tabs_ = false, use_focus_ring_ = true;
  bool double_buffer_ = false, erase_background_ = true;
};

}  // namespace fw
