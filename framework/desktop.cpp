#include "framework/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "framework/internal.h"
#include "framework/qt_support.h"
#include "framework/runtime.h"

namespace fw {

namespace {

void SayNoProgramCouldOpen(const std::string& url) {
  MsgBox("No program on this computer could open " + url + ".");
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr auto kOpenerName = "fw_url_opener";

// The desktop's opener, xdg-open, run as Qt would run it, but watched: Qt starts it detached and
// counts the start as success, while xdg-open says by its exit status whether any browser or mail
// program took the link. It may live as long as the browser it starts.
class UrlOpener : public QProcess {
 public:
  UrlOpener(const QString& program, const std::string& url)
      : QProcess(QCoreApplication::instance()) {
    setObjectName(QLatin1String(kOpenerName));
    setProgram(program);
    setArguments({qt::ToQ(url)});
    setStandardInputFile(QProcess::nullDevice());
    setStandardOutputFile(QProcess::nullDevice());
    setStandardErrorFile(QProcess::nullDevice());
    connect(this, &QProcess::finished, this, [this, url](int code, QProcess::ExitStatus status) {
      deleteLater();
      if (status != QProcess::NormalExit || code != 0) {
        CallFromQt([&url] { SayNoProgramCouldOpen(url); });
      }
    });
    connect(this, &QProcess::errorOccurred, this, [this, url](QProcess::ProcessError error) {
      // A crash is followed by finished(); a failed start is not.
      if (error != QProcess::FailedToStart) return;
      deleteLater();
      CallFromQt([&url] { SayNoProgramCouldOpen(url); });
    });
  }

  // Ends with the run. A browser that the opener started stays open.
  ~UrlOpener() override {
    disconnect(this, nullptr, this, nullptr);
    if (state() != QProcess::NotRunning) {
      kill();
      waitForFinished();
    }
  }
};
#endif

}  // namespace

void MsgBox(const std::string& text) {
  CheckUIThread();
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Scorewright"),
                              qt::ToQ(text), QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void ShowURL(const std::string& url) {
  CheckUIThread();
  const QUrl parsed(qt::ToQ(url));
  if (!parsed.isValid()) {
    throw InvalidArgumentException("ShowURL: \"" + url + "\" is not a valid URL");
  }
  if (internal::InterceptUrl(url)) return;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty() && QCoreApplication::instance()) {
    (new UrlOpener(opener, url))->start();
    return;
  }
#endif
  // Nothing on this computer took the link: say so rather than do nothing at all.
  if (!QDesktopServices::openUrl(parsed)) SayNoProgramCouldOpen(url);
}

namespace internal {

void StopUrlOpeners() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  if (!QCoreApplication::instance()) return;
  for (QProcess* opener : QCoreApplication::instance()->findChildren<QProcess*>(
           QLatin1String(kOpenerName), Qt::FindDirectChildrenOnly)) {
    delete opener;
  }
#endif
}

}  // namespace internal

}  // namespace fw
