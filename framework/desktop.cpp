#include "framework/desktop.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/internal.h"
#include "framework/program_identity.h"
#include "framework/qt_support.h"
#include "framework/runtime.h"

namespace fw {

namespace {

void SayNoProgramCouldOpen(const std::string& url) {
  MsgBox("No program on this computer could open " + url + ".");
}

}  // namespace

void MsgBox(const std::string& text) {
  CheckUIThread();
  auto* box = new QMessageBox(QMessageBox::Information, QString::fromUtf8(kProgramIdentity.name),
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
  switch (internal::StartUrlOpener(url, [url] { SayNoProgramCouldOpen(url); })) {
    case internal::UrlOpenerStart::kStarted:
      return;
    case internal::UrlOpenerStart::kCouldNotStart:
      SayNoProgramCouldOpen(url);
      return;
    case internal::UrlOpenerStart::kNoOpener:
      break;
  }
  // Nothing on this computer took the link: say so rather than do nothing at all.
  if (!QDesktopServices::openUrl(parsed)) SayNoProgramCouldOpen(url);
}

}  // namespace fw
