#include "framework/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/qt_support.h"
#include "framework/testing.h"
#include "framework/runtime.h"

namespace fw {

namespace {

std::function<void(const std::string&)>& UrlInterceptor() {
  static std::function<void(const std::string&)> interceptor;
  return interceptor;
}

}  // namespace

void MsgBox(const std::string& text) {
  CheckUIThread();
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Scorewright"), qt::ToQ(text),
                              QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void ShowURL(const std::string& url) {
  CheckUIThread();
  const QUrl parsed(qt::ToQ(url));
  if (!parsed.isValid()) {
    throw InvalidArgumentException("ShowURL: \"" + url + "\" is not a valid URL");
  }
  if (UrlInterceptor()) {
    UrlInterceptor()(url);
    return;
  }
  if (!QDesktopServices::openUrl(parsed)) {
    // Nothing on this computer took the link: say so rather than do nothing at all.
    MsgBox("No program on this computer could open " + url + ".");
  }
}

namespace testing {

void InterceptUrls(std::function<void(const std::string&)> interceptor) {
  UrlInterceptor() = std::move(interceptor);
}

void StopInterceptingUrls() { UrlInterceptor() = nullptr; }

std::vector<std::string> OpenMessageBoxTexts() {
  std::vector<std::string> texts;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
      texts.push_back(qt::FromQ(box->text()));
    }
  }
  return texts;
}

}  // namespace testing

}  // namespace fw
