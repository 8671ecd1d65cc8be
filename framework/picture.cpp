#include "framework/picture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <utility>

#include "framework/internal.h"
#include "framework/program_identity.h"
#include "framework/qt_support.h"

namespace fw {

namespace {

std::vector<QString> ResourceFolders() {
  std::vector<QString> folders;
  if (const std::vector<std::string>* set = internal::TestResourceFolders()) {
    for (const std::string& folder : *set) folders.push_back(qt::ToQ(folder));
    return folders;
  }
  // Where the program is, not where it was built: the build puts the resources beside the
  // executable, an installation in share/<program file name> beside its bin.
  if (QCoreApplication::instance()) {
    const QString executable_folder = QCoreApplication::applicationDirPath();
    folders.push_back(executable_folder);
    folders.push_back(QDir::cleanPath(executable_folder + QStringLiteral("/../share/") +
                                      QString::fromUtf8(kProgramIdentity.file_name)));
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

namespace {

// An icon read from its file the first time its pixels are asked for. QIcon(path) decodes the
// whole file at once, at start-up, although only some platforms ever draw a window's icon, and
// then only once a window is shown.
class IconFileEngine : public QIconEngine {
 public:
  explicit IconFileEngine(QString path) : path_(std::move(path)) {}

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    QSize actual = Pixels().size();
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
    }
    return actual;
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap result = Pixels();
    if (result.isNull()) return result;
    const QSize actual = actualSize(size, mode, state);
    if (result.size() != actual) {
      result = result.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal && QApplication::style()) {
      QStyleOption option;
      option.palette = QApplication::palette();
      result = QApplication::style()->generatedIconPixmap(mode, result, &option);
    }
    return result;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    if (mode != QIcon::Normal || state != QIcon::Off || Pixels().isNull()) return {};
    return {Pixels().size()};
  }

  // Like any icon made from a file name: not null, even before the file is read.
  bool isNull() override { return false; }

  QIconEngine* clone() const override { return new IconFileEngine(*this); }

 private:
  const QPixmap& Pixels() {
    if (!read_) {
      read_ = true;
      pixels_.load(path_);
    }
    return pixels_;
  }

  QString path_;
  bool read_ = false;
  QPixmap pixels_;
};

}  // namespace

namespace internal {
void ApplyApplicationIcon() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  const QString file = QString::fromUtf8(kProgramIdentity.icon) + QStringLiteral(".png");
  for (const QString& folder : ResourceFolders()) {
    const QString path = QDir(folder).filePath(file);
    if (QFileInfo::exists(path)) {
      QApplication::setWindowIcon(QIcon(new IconFileEngine(path)));
      return;
    }
  }
}
}  // namespace internal

}  // namespace fw
