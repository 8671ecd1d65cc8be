#include "framework/picture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>

#include <optional>

#include "framework/qt_support.h"
#include "framework/testing.h"

namespace fw {

namespace {

std::optional<std::vector<std::string>>& OverrideFolders() {
  static std::optional<std::vector<std::string>> folders;
  return folders;
}

std::vector<QString> ResourceFolders() {
  std::vector<QString> folders;
  if (OverrideFolders()) {
    for (const std::string& folder : *OverrideFolders()) folders.push_back(qt::ToQ(folder));
    return folders;
  }
  auto add = [&folders](const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    for (const QString& known : folders) {
      if (known == clean) return;
    }
    folders.push_back(clean);
  };
  if (QCoreApplication::instance()) {
    add(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/scorewright"));
  }
  add(QStringLiteral(SCOREWRIGHT_INSTALL_RESOURCES));
  add(QStringLiteral(SCOREWRIGHT_BUILD_RESOURCES));
  return folders;
}

}  // namespace

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}
Picture::~Picture() = default;

std::int64_t Picture::Width() const { return image_->width(); }
std::int64_t Picture::Height() const { return image_->height(); }

Ref<Picture> Picture::_OpenFromApp(const std::string& name) {
  const QString file = qt::ToQ(name) + QStringLiteral(".png");
  for (const QString& folder : ResourceFolders()) {
    const QString path = QDir(folder).filePath(file);
    if (!QFileInfo::exists(path)) continue;
    QImage image;
    if (image.load(path, "PNG")) return New<Picture>(image);
  }
  return nullptr;
}

namespace internal {
void ApplyApplicationIcon() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  // QIcon reads the file when a window first needs it, not at start-up.
  const QString file = QStringLiteral(SCOREWRIGHT_APP_ICON ".png");
  for (const QString& folder : ResourceFolders()) {
    const QString path = QDir(folder).filePath(file);
    if (QFileInfo::exists(path)) {
      QApplication::setWindowIcon(QIcon(path));
      return;
    }
  }
}
}  // namespace internal

namespace testing {
void SetResourceFolders(std::vector<std::string> folders) { OverrideFolders() = std::move(folders); }
void ResetResourceFolders() { OverrideFolders().reset(); }
}  // namespace testing

}  // namespace fw
