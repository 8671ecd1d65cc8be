#include "framework/picture.h"

#include <QImage>

#include "framework/qt_support.h"
#include "framework/resources.h"

namespace fw {

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}
Picture::~Picture() = default;

std::int64_t Picture::Width() const { return image_->width(); }
std::int64_t Picture::Height() const { return image_->height(); }

Ref<Picture> Picture::_OpenFromApp(const std::string& name) {
  for (const QString& path : internal::ResourcePaths(qt::ToQ(name) + QStringLiteral(".png"))) {
    QImage image;
    if (image.load(path, "PNG")) return New<Picture>(image);
  }
  return nullptr;
}

}  // namespace fw
