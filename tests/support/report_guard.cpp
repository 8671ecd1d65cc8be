#include "tests/support/report_guard.h"

#include <gtest/gtest.h>

#include <QtGlobal>

#include <algorithm>
#include <mutex>

#include "framework/testing.h"

namespace sw_test {

namespace {

struct QtMessage {
  QtMsgType type;
  QString category;
  QString text;
};

struct MessageRecord {
  std::mutex mutex;  // Qt's own threads may warn too
  std::vector<QtMessage> messages;
  QtMessageHandler previous = nullptr;
};

MessageRecord& Messages() {
  static MessageRecord record;
  return record;
}

std::size_t MessageCount() {
  std::lock_guard lock(Messages().mutex);
  return Messages().messages.size();
}

std::vector<QtMessage> MessagesSince(std::size_t mark) {
  std::lock_guard lock(Messages().mutex);
  const auto& messages = Messages().messages;
  if (mark >= messages.size()) return {};
  return {messages.begin() + static_cast<std::ptrdiff_t>(mark), messages.end()};
}

void Record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  QtMessageHandler previous;
  {
    std::lock_guard lock(Messages().mutex);
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
      Messages().messages.push_back({type, QString::fromUtf8(context.category), text});
    }
    previous = Messages().previous;
  }
  if (previous) previous(type, context, text);
}

const char* KindOf(QtMsgType type) {
  switch (type) {
    case QtCriticalMsg:
      return "critical message";
    case QtFatalMsg:
      return "fatal message";
    default:
      return "warning";
  }
}

TestGuard* current = nullptr;

}  // namespace

const std::vector<QString> kPlatformMessages = {
    // Offscreen windows have no stacking order; the framework raises each window it shows.
    QStringLiteral("This plugin does not support raise()"),
    // Offscreen has no window manager to take a fixed-size window's size hints.
    QStringLiteral("This plugin does not support propagateSizeHints()"),
};

TestGuard::TestGuard()
    : outer_(current), report_mark_(fw::testing::ReportCount()), message_mark_(MessageCount()) {
  current = this;
}

TestGuard::~TestGuard() { current = outer_; }

void TestGuard::Check() const {
  if (!reports_expected_) {
    for (const std::string& report : fw::testing::ReportsSince(report_mark_)) {
      ADD_FAILURE() << "the framework reported an error that the test did not expect: " << report;
    }
  }
  for (const QtMessage& message : MessagesSince(message_mark_)) {
    const auto is = [&](const QString& text) { return message.text == text; };
    const auto contains = [&](const QString& part) { return message.text.contains(part); };
    if (std::any_of(kPlatformMessages.begin(), kPlatformMessages.end(), is) ||
        std::any_of(expected_warnings_.begin(), expected_warnings_.end(), contains)) {
      continue;
    }
    ADD_FAILURE() << "Qt gave a " << KindOf(message.type) << " that the test did not expect: "
                  << (message.category.isEmpty() || message.category == "default"
                          ? ""
                          : "(" + message.category.toStdString() + ") ")
                  << message.text.toStdString();
  }
}

void ExpectErrorReports() {
  if (current) current->reports_expected_ = true;
}

void ExpectQtWarning(const QString& text) {
  if (current) current->expected_warnings_.push_back(text);
}

void GuardQtMessages() { Messages().previous = qInstallMessageHandler(&Record); }

}  // namespace sw_test
