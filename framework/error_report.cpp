#include "framework/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <cstdio>
#include <string>

#include "framework/internal.h"
#include "framework/program_identity.h"

namespace fw {

namespace {
ExceptionHelper helper = nullptr;
}  // namespace

void _RuntimeSetExceptionHelper(ExceptionHelper new_helper) {
  FaultPoint("_RuntimeSetExceptionHelper");
  TracePoint("_RuntimeSetExceptionHelper");
  helper = new_helper;
}

std::string DescribeException(std::exception_ptr exception) {
  if (!exception) return "";
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    return e.ClassName() + ": " + e.Message();
  } catch (const std::exception& e) {
    return DemangledName(typeid(e)) + ": " + e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void ReportException(std::exception_ptr exception, std::string_view context) {
  try {
    std::string text = DescribeException(exception);
    internal::RecordReport(text);
    // One write for the whole line. C's stdio rather than iostreams: <iostream> alone costs every
    // start a third of a MiB for its static set-up.
    std::string line = kProgramIdentity.name;
    line += ": ";
    line.append(context).append(": ").append(text).append("\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
    // One box at a time: a handler that fails at every paint must not bury the windows in boxes.
    static QPointer<QMessageBox> shown;
    if (internal::EventLoopRunning() && !shown) {
      shown =
          new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kProgramIdentity.name),
                          QString::fromStdString("An error occurred: " + text), QMessageBox::Ok);
      shown->setAttribute(Qt::WA_DeleteOnClose);
      shown->open();
    }
  } catch (...) {
    std::fprintf(stderr, "%s: an error occurred while reporting an error\n", kProgramIdentity.name);
  }
}

void CallFromQt(const std::function<void()>& code) noexcept {
  try {
    if (!helper) {
      code();
      return;
    }
    std::exception_ptr escaped = helper([&code](const Ref<Object>&) { code(); }, nullptr);
    if (escaped) ReportException(escaped, "event handler");
  } catch (...) {
    ReportException(std::current_exception(), "event handler");
  }
}

namespace internal {
void ForgetExceptionHelper() { helper = nullptr; }
}  // namespace internal

}  // namespace fw
