// The desktop's opener for a link, started and watched for an early failure.
#include <QCoreApplication>
#include <QObject>
#include <chrono>
#include <functional>
#include <string>
#include <utility>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#endif

#include "framework/error_report.h"
#include "framework/internal.h"

namespace fw::internal {

namespace {

// How long an opener has to report a failure.
constexpr std::chrono::milliseconds kOpenerGrace{3000};

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

// The desktop's opener, xdg-open, says by its exit status whether any browser or mail program took
// the link, but where it runs the browser in the foreground it lives as long as the browser. Only
// an early answer counts: an opener that cannot start, or ends with a failure within the grace
// period, failed; one still running then is taken to have opened the link and is let go.
//
// The opener is not this program's child. A watcher process of ours starts it, says so, waits for
// it and ends with its verdict. Letting go ends the watcher only, once the opener exists: the
// opener passes to the system, which reaps it whenever it ends, long after this program has quit
// if need be.
class UrlOpener : public QObject {
 public:
  // False when no process could be made.
  static bool Start(const QString& program, const std::string& url, std::function<void()> failed) {
    const QByteArray path = QFile::encodeName(program);
    std::string argument = url;
    char* const argv[] = {const_cast<char*>(path.constData()), argument.data(), nullptr};
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    int news[2];
    if (null < 0 || ::pipe2(news, O_CLOEXEC) != 0) {
      if (null >= 0) ::close(null);
      return false;
    }
    const pid_t watcher = ::fork();
    if (watcher == 0) RunWatcher(argv, null, news[1]);
    ::close(news[1]);
    ::close(null);
    if (watcher < 0) {
      ::close(news[0]);
      return false;
    }
    new UrlOpener(watcher, news[0], std::move(failed));
    return true;
  }

  ~UrlOpener() override { LetGo(); }

 private:
  // Writes one byte to news once the opener exists, and ends when the opener has (0: it opened
  // the link) or when it is ended itself. The program has other threads: from fork to exec only
  // async-signal-safe calls.
  [[noreturn]] static void RunWatcher(char* const argv[], int null, int news) {
    const pid_t opener = ::fork();
    if (opener == 0) {
      ::setsid();  // a session of its own: signals meant for this program's terminal pass it by
      for (int fd : {0, 1, 2}) ::dup2(null, fd);
      struct sigaction default_action = {};
      default_action.sa_handler = SIG_DFL;
      ::sigaction(SIGPIPE, &default_action, nullptr);
      ::execv(argv[0], argv);
      ::_exit(127);
    }
    if (opener < 0) ::_exit(1);
    const char started = 1;
    while (::write(news, &started, 1) < 0 && errno == EINTR) {
    }
    int status = 0;
    pid_t waited;
    do {
      waited = ::waitpid(opener, &status, 0);
    } while (waited < 0 && errno == EINTR);
    ::_exit(waited == opener && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1);
  }

  // news: the read end of a pipe whose other end only the watcher holds; it reads the byte that
  // says the opener started, then the end of file when the watcher has ended.
  UrlOpener(pid_t watcher, int news, std::function<void()> failed)
      : QObject(QCoreApplication::instance()),
        watcher_(watcher),
        news_(news),
        failed_(std::move(failed)),
        notifier_(news, QSocketNotifier::Read) {
    setObjectName(QLatin1String(kUrlOpenerName));
    connect(&notifier_, &QSocketNotifier::activated, this, [this] {
      if (ReadNews()) Answered(Reap(0));
    });
    grace_.setSingleShot(true);
    connect(&grace_, &QTimer::timeout, this, [this] {
      // Not yet started: waits the moment it takes. Ended just now, not yet heard of: its answer
      // still counts.
      if (!started_ && ReadNews()) {
        Answered(Reap(0));
      } else if (const int status = Reap(WNOHANG); status >= 0) {
        Answered(status);
      } else {
        LetGo();
        deleteLater();
      }
    });
    grace_.start(UrlOpenerGrace(kOpenerGrace));
  }

  // Waits for the watcher's next news; true once it has ended.
  bool ReadNews() {
    char byte;
    ssize_t read;
    do {
      read = ::read(news_, &byte, 1);
    } while (read < 0 && errno == EINTR);
    if (read != 1) return true;
    started_ = true;
    return false;
  }

  // The watcher's wait status once it has ended; -1 while it runs (WNOHANG).
  int Reap(int options) {
    int status = 0;
    pid_t reaped;
    do {
      reaped = ::waitpid(watcher_, &status, options);
    } while (reaped < 0 && errno == EINTR);
    if (reaped != watcher_) return -1;
    watcher_ = 0;
    return status;
  }

  void Answered(int status) {
    Stop();
    deleteLater();
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      CallFromQt(failed_);
    }
  }

  void LetGo() {
    if (watcher_ > 0) {
      if (!started_) ReadNews();
      ::kill(watcher_, SIGKILL);
      Reap(0);
    }
    Stop();
  }

  void Stop() {
    grace_.stop();
    if (news_ < 0) return;
    notifier_.setEnabled(false);
    ::close(news_);
    news_ = -1;
  }

  pid_t watcher_;
  int news_;
  bool started_ = false;
  std::function<void()> failed_;
  QSocketNotifier notifier_;
  QTimer grace_;
};
#endif

}  // namespace

UrlOpenerStart StartUrlOpener(const std::string& url, std::function<void()> failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty() || !QCoreApplication::instance()) return UrlOpenerStart::kNoOpener;
  return UrlOpener::Start(opener, url, std::move(failed)) ? UrlOpenerStart::kStarted
                                                          : UrlOpenerStart::kCouldNotStart;
#else
  return UrlOpenerStart::kNoOpener;
#endif
}

void LetGoOfUrlOpeners() {
  if (!QCoreApplication::instance()) return;
  for (QObject* opener : QCoreApplication::instance()->findChildren<QObject*>(
           QLatin1String(kUrlOpenerName), Qt::FindDirectChildrenOnly)) {
    delete opener;
  }
}

}  // namespace fw::internal
