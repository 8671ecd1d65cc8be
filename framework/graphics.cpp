#include "framework/graphics.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include "framework/picture.h"
#include "framework/qt_support.h"
#include "framework/runtime.h"

namespace fw {

Graphics::Graphics(QPainter* painter, std::int64_t width, std::int64_t height)
    : painter_(painter), width_(width), height_(height) {
  if (painter_) painter_->setRenderHint(QPainter::Antialiasing, false);
}

Graphics::~Graphics() = default;

QPainter& Graphics::Painter() const {
  if (!painter_) {
    throw NilObjectException("Graphics: drawing after its paint event has ended");
  }
  CheckUIThread();
  return *painter_;
}

void Graphics::SetForeColor(Color color) { fore_color_ = color; }

void Graphics::FillRect(double left, double top, double width, double height) {
  QPainter& painter = Painter();
  painter.fillRect(QRectF(left, top, width, height), qt::ToQ(fore_color_));
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
  QPainter& painter = Painter();
  // A cosmetic pen one pixel wide whose square cap makes the line cover both of its end pixels.
  QPen pen(qt::ToQ(fore_color_));
  pen.setWidth(0);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::SquareCap);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(pen);
  painter.drawLine(QLineF(x1, y1, x2, y2));
  painter.restore();
}

void Graphics::DrawPicture(const Ref<Picture>& picture, double x, double y, double width,
                           double height, double source_x, double source_y, double source_width,
                           double source_height) {
  QPainter& painter = Painter();
  const QImage& image = picture->Image(Badge<Graphics>());
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(x, y, width, height), image,
                    QRectF(source_x, source_y, source_width, source_height));
  painter.restore();
}

}  // namespace fw
