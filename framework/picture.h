// Pictures, loaded from the application's resources by name: "<name>.png" in the resource
// folders, searched in order: those a test set, else the executable's own folder (as built), then
// ../share/<program file name> from there (as installed).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/badge.h"
#include "framework/object.h"

class QImage;

namespace fw {

class Graphics;

class Picture : public Object {
 public:
  static constexpr const char* kClassName = "Picture";
  explicit Picture(const QImage& image);
  ~Picture() override;

  std::int64_t Width() const;
  std::int64_t Height() const;

  // The picture of that name among the application's resources, or nil when there is none or it
  // cannot be read. Each call reads the file anew.
  static Ref<Picture> _OpenFromApp(const std::string& name);

  // The picture's pixels, for the Graphics that draws it.
  const QImage& Image(Badge<Graphics>) const { return *image_; }

 private:
  friend class testing::Access;

  std::unique_ptr<QImage> image_;
};

}  // namespace fw
