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
  // Where the program is, not where it was built: the build puts the resources beside the
  // executable, an installation in share/scorewright beside its bin.
  if (QCoreApplication::instance()) {
    const QString executable_folder = QCoreApplication::applicationDirPath();
    folders.push_back(executable_folder);
    folders.push_back(QDir::cleanPath(executable_folder + QStringLiteral("/../share/scorewright")));
  }
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
