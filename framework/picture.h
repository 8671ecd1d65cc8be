// Pictures, loaded from the application's resources by name: "<name>.png" in the resources folder
// of the build tree or of the installation.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/object.h"

class QImage;

namespace fw {

class Picture : public Object {
 public:
  static constexpr const char* kClassName = "Picture";
  explicit Picture(const QImage& image);
  ~Picture() override;

  std::int64_t Width() const;
  std::int64_t Height() const;

  // The picture of that name among the application's resources, or nil when there is none.
  static Ref<Picture> _OpenFromApp(const std::string& name);

  const QImage& _Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

}  // namespace fw
