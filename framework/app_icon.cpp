// The application icon, every window's icon: the program's icon resource, read from its file only
// when a window first needs its pixels.
#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <utility>
#include <vector>

#include "framework/internal.h"
#include "framework/program_identity.h"
#include "framework/resources.h"

namespace fw {

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
  const std::vector<QString> paths =
      ResourcePaths(QString::fromUtf8(kProgramIdentity.icon) + QStringLiteral(".png"));
  if (!paths.empty()) QApplication::setWindowIcon(QIcon(new IconFileEngine(paths.front())));
}
}  // namespace internal

}  // namespace fw
