#include "framework/qt_start_messages.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "framework/program_identity.h"

namespace fw::internal {

namespace {

struct Message {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

// The messages held back, and the handler that they go to afterwards.
struct State {
  std::mutex mutex;
  bool holding = false;
  QtMessageHandler previous = nullptr;
  std::vector<Message> messages;
};

State& HeldMessages() {
  static State state;
  return state;
}

void Replay(QtMessageHandler handler, const std::vector<Message>& messages) {
  for (const Message& m : messages) {
    const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                     m.function.empty() ? nullptr : m.function.c_str(),
                                     m.category.empty() ? nullptr : m.category.c_str());
    handler(m.type, context, m.text);
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
  std::fprintf(stderr, "%s: no graphical display could be opened (%s)\n", kProgramIdentity.name,
               where.c_str());
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
  Message message{
      type, copy(context.file), copy(context.function), copy(context.category), context.line, text};
  std::vector<Message> messages;
  QtMessageHandler previous;
  {
    std::lock_guard lock(HeldMessages().mutex);
    previous = HeldMessages().previous;
    if (!HeldMessages().holding) {
      // Another thread's message that reached this handler as the holder went away.
      messages.push_back(std::move(message));
    } else {
      HeldMessages().messages.push_back(std::move(message));
      if (type != QtFatalMsg) return;
      messages.swap(HeldMessages().messages);
    }
  }
  // Any other fatal message ends the process as Qt means it to, with everything said before it.
  Replay(previous, messages);
}

}  // namespace

QtStartMessages::QtStartMessages() {
  std::lock_guard lock(HeldMessages().mutex);
  HeldMessages().previous = qInstallMessageHandler(&Hold);
  HeldMessages().holding = true;
}

// The previous handler goes back first: a message from another thread after that never reaches
// the holder. One that reached it already is either taken here or passed on by the holder itself.
QtStartMessages::~QtStartMessages() {
  qInstallMessageHandler(HeldMessages().previous);
  std::vector<Message> messages;
  QtMessageHandler previous;
  {
    std::lock_guard lock(HeldMessages().mutex);
    HeldMessages().holding = false;
    messages.swap(HeldMessages().messages);
    previous = HeldMessages().previous;
  }
  Replay(previous, messages);
}

}  // namespace fw::internal
