#include "framework/qt_start_messages.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace fw::internal {

namespace {

struct Message {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

// The messages held back, and the handler that they go to afterwards.
struct Holding {
  std::mutex mutex;
  QtMessageHandler previous = nullptr;
  std::vector<Message> messages;
};

Holding& HeldMessages() {
  static Holding holding;
  return holding;
}

void Replay(QtMessageHandler handler, const std::vector<Message>& messages) {
  for (const Message& m : messages) {
    const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                     m.function.empty() ? nullptr : m.function.c_str(),
                                     m.category.empty() ? nullptr : m.category.c_str());
    if (handler) {
      handler(m.type, context, m.text);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(m.text));
    }
  }
}

[[noreturn]] void NoDisplay() {
  const char* display = std::getenv("DISPLAY");
  std::string where =
      display && *display ? std::string("DISPLAY=") + display : "DISPLAY is not set";
  for (const char* variable : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) where += std::string(", ") + variable + "=" + value;
  }
  std::fprintf(stderr, "Scorewright: no graphical display could be opened (%s)\n", where.c_str());
  std::fflush(stdout);
  std::fflush(stderr);
  // Qt is half-way through its constructor: no destructor or exit handler may run now.
  std::_Exit(1);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // A platform that was opened has its name; a fatal message before that is Qt giving up on
  // every platform it tried.
  if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty()) NoDisplay();
  auto copy = [](const char* s) { return std::string(s ? s : ""); };
  std::vector<Message> messages;
  QtMessageHandler previous;
  {
    std::lock_guard lock(HeldMessages().mutex);
    HeldMessages().messages.push_back({type, copy(context.file), copy(context.function),
                               copy(context.category), context.line, text});
    if (type != QtFatalMsg) return;
    messages.swap(HeldMessages().messages);
    previous = HeldMessages().previous;
  }
  // Any other fatal message ends the process as Qt means it to, with everything said before it.
  Replay(previous, messages);
}

}  // namespace

QtStartMessages::QtStartMessages() { HeldMessages().previous = qInstallMessageHandler(&Hold); }

QtStartMessages::~QtStartMessages() {
  std::vector<Message> messages;
  QtMessageHandler previous;
  {
    std::lock_guard lock(HeldMessages().mutex);
    messages.swap(HeldMessages().messages);
    previous = HeldMessages().previous;
  }
  qInstallMessageHandler(previous);
  Replay(previous, messages);
}

}  // namespace fw::internal
