#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "framework/desktop.h"
#include "framework/picture.h"
#include "framework/testing.h"
#include "tests/support/report_guard.h"
#include "tests/support/runtime_scope.h"

namespace {

struct UrlInterception {
  UrlInterception() {
    fw::testing::InterceptUrls([this](const std::string& url) { urls.push_back(url); });
  }
  ~UrlInterception() { fw::testing::StopInterceptingUrls(); }
  std::vector<std::string> urls;
};

struct ResourceFolders {
  explicit ResourceFolders(std::vector<std::string> folders) {
    fw::testing::SetResourceFolders(std::move(folders));
  }
  ~ResourceFolders() { fw::testing::ResetResourceFolders(); }
};

bool SavePng(const QString& path, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::darkGreen);
  return image.save(path, "PNG");
}

TEST(ShowURLTest, HandsTheUrlToTheDesktopOnce) {
  sw_test::RuntimeScope scope;
  UrlInterception interception;

  fw::ShowURL("https://example.org/grading?scale=10&mode=points");

  EXPECT_EQ(interception.urls,
            std::vector<std::string>{"https://example.org/grading?scale=10&mode=points"});
}

TEST(ShowURLTest, RefusesTextThatIsNoUrl) {
  struct Case {
    const char* name;
    const char* text;
  };
  const Case cases[] = {{"Empty", ""}, {"UnclosedAddress", "http://[::1"}};
  sw_test::RuntimeScope scope;
  UrlInterception interception;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(fw::ShowURL(c.text), fw::InvalidArgumentException);
  }
  EXPECT_TRUE(interception.urls.empty());
}

// PATH for the length of a test.
class SearchPath {
 public:
  explicit SearchPath(const QString& path) : saved_(qgetenv("PATH")) {
    qputenv("PATH", QFile::encodeName(path));
  }
  ~SearchPath() { qputenv("PATH", saved_); }

 private:
  QByteArray saved_;
};

struct OpenerGrace {
  explicit OpenerGrace(std::chrono::milliseconds grace) { fw::testing::SetUrlOpenerGrace(grace); }
  ~OpenerGrace() { fw::testing::ResetUrlOpenerGrace(); }
};

bool NoOpenerWatched() { return fw::testing::UrlOpenersWatched() == 0; }

// A process as /proc shows it: its state letter (R, S, Z, ...) and its parent.
struct ProcessState {
  char state;
  pid_t parent;
};

std::optional<ProcessState> StateOf(pid_t pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray line = stat.readAll();
  // "pid (name) state parent ...": the name may hold spaces and parentheses.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 2 || fields[0].isEmpty()) return std::nullopt;
  return ProcessState{fields[0][0], static_cast<pid_t>(fields[1].toInt())};
}

std::vector<pid_t> OurZombies() {
  std::vector<pid_t> zombies;
  for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    bool number = false;
    const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
    if (!number) continue;
    const auto state = StateOf(pid);
    if (state && state->state == 'Z' && state->parent == ::getpid()) zombies.push_back(pid);
  }
  return zombies;
}

// The pid that the opener wrote to the file, once it has written it whole.
std::optional<pid_t> PidIn(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray text = file.readAll();
  if (!text.endsWith('\n')) return std::nullopt;
  return static_cast<pid_t>(text.trimmed().toInt());
}

TEST(ShowURLTest, SaysSoWhenNoProgramCouldOpenTheLink) {
  using std::chrono::milliseconds;
  struct Case {
    const char* name;
    const char* opener;  // the desktop opener's last line; nullptr: there is no opener
    milliseconds grace;
    bool says_so;
    bool outlives_its_grace;
  };
  // Ends at once: a grace as long as a test may wait. Runs on: no grace at all, so that it is let
  // go the moment it exists.
  const int wait_ms = 60000;
  const milliseconds answers(wait_ms), runs_on(0);
  const Case cases[] = {
      {"NoOpener", nullptr, answers, true, false},
      {"OpenerFindsNoProgram", "exit 3", answers, true, false},
      {"OpenerDies", "kill -9 $$", answers, true, false},
      {"OpenerOpensIt", "exit 0", answers, false, false},
      // As xdg-open does that runs a browser in the foreground.
      {"OpenerOutlivesItsGrace", "printf '%s\\n' $$ > \"$0.pid\"; exec sleep 600", runs_on, false,
       true},
  };
  // Handed over as one argument, never through a shell.
  const std::string url = "http://www.kinetora.example/store?app=tabulix&from=scorewright";
  // With no opener the link goes to Qt, which has none of its own offscreen and says so.
  sw_test::ExpectQtWarning("This plugin does not support QPlatformServices::openUrl()");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sw_test::RuntimeScope scope;
    OpenerGrace grace(c.grace);
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    QString path = bin.path();
    if (c.opener) {
      QFile script(bin.filePath("xdg-open"));
      ASSERT_TRUE(script.open(QIODevice::WriteOnly));
      script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.arguments\"\n");
      script.write(c.opener);
      script.close();
      script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
      path += ":" + qEnvironmentVariable("PATH");
    }
    SearchPath search_path(path);

    fw::ShowURL(url);
    if (c.opener) {
      EXPECT_TRUE(fw::testing::OpenMessageBoxTexts().empty()) << "ShowURL waited for the opener";
    }
    ASSERT_TRUE(QTest::qWaitFor(NoOpenerWatched, wait_ms));

    const std::string message = "No program on this computer could open " + url + ".";
    EXPECT_EQ(fw::testing::OpenMessageBoxTexts(),
              c.says_so ? std::vector<std::string>{message} : std::vector<std::string>{});
    EXPECT_EQ(OurZombies(), std::vector<pid_t>{});
    if (c.outlives_its_grace) {
      std::optional<pid_t> opener;
      ASSERT_TRUE(QTest::qWaitFor(
          [&] {
            opener = PidIn(bin.filePath("xdg-open.pid"));
            return opener.has_value();
          },
          wait_ms));
      scope.Finish();
      const auto state = StateOf(*opener);
      EXPECT_TRUE(state && state->state != 'Z') << "the opener was ended at quit";
      EXPECT_TRUE(state && state->parent != ::getpid()) << "the opener is still a child of ours";
      EXPECT_EQ(OurZombies(), std::vector<pid_t>{});
      ::kill(*opener, SIGKILL);
    }
    if (c.opener) {
      QFile arguments(bin.filePath("xdg-open.arguments"));
      ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
      EXPECT_EQ(arguments.readAll().toStdString(), url + "\n");
    }
  }
}

TEST(MsgBoxTest, ReturnsAtOnceAndLeavesTheMessageOnScreen) {
  sw_test::RuntimeScope scope;
  // Were MsgBox to wait for the user, this would close its box and the text would be gone.
  QTimer closer;
  closer.setSingleShot(true);
  QObject::connect(&closer, &QTimer::timeout, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w)) box->close();
    }
  });
  closer.start(0);

  fw::MsgBox("The scores were reset.");
  closer.stop();

  EXPECT_EQ(fw::testing::OpenMessageBoxTexts(), std::vector<std::string>{"The scores were reset."});
}

TEST(PictureTest, OpenFromAppReadsTheFirstFolderThatHasAReadablePicture) {
  struct Case {
    const char* name;
    bool first_has_picture;
    bool first_is_garbage;
    bool second_has_picture;
    int expected_width;  // 0: nil
  };
  const Case cases[] = {
      {"Missing", false, false, false, 0},
      {"UnreadableAlone", false, true, false, 0},
      {"FirstFolderWins", true, false, true, 7},
      {"SecondFolderWhenFirstLacksIt", false, false, true, 9},
      {"SecondFolderWhenFirstIsUnreadable", false, true, true, 9},
  };
  sw_test::RuntimeScope scope;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ResourceFolders folders({first.path().toStdString(), second.path().toStdString()});
    if (c.first_has_picture) {
      ASSERT_TRUE(SavePng(first.filePath("Stamp.png"), 7, 5));
    }
    if (c.first_is_garbage) {
      QFile file(first.filePath("Stamp.png"));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("not a picture");
    }
    if (c.second_has_picture) {
      ASSERT_TRUE(SavePng(second.filePath("Stamp.png"), 9, 4));
    }

    auto picture = fw::Picture::_OpenFromApp("Stamp");

    if (c.expected_width == 0) {
      EXPECT_FALSE(picture);
    } else {
      ASSERT_TRUE(picture);
      EXPECT_EQ(picture->Width(), c.expected_width);
    }
  }
}

// A picture put where the program looks when no test chose its folders: found by where the
// executable is, whichever folder the build happened in.
TEST(PictureTest, TheProgramsOwnFoldersAreBesideTheExecutableAndInstalledBesideItsBin) {
  struct Case {
    const char* name;
    QString folder;  // relative to the executable's folder
  };
  const Case cases[] = {{"BesideTheExecutable", "."},
                        {"InstalledBesideItsBin", "../share/scorewright"}};
  sw_test::RuntimeScope scope;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QDir executable_folder(QCoreApplication::applicationDirPath());
    const QString folder = QDir::cleanPath(executable_folder.filePath(c.folder));
    // Leave the build tree as it was: remove what the test made.
    QStringList made;
    for (QString missing = folder; !QFileInfo::exists(missing);
         missing = QFileInfo(missing).path()) {
      made << missing;
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString name = QStringLiteral("Probe%1").arg(QCoreApplication::applicationPid());
    const QString file = QDir(folder).filePath(name + ".png");
    const bool saved = SavePng(file, 6, 2);

    auto picture = fw::Picture::_OpenFromApp(name.toStdString());

    QFile::remove(file);
    for (const QString& dir : made) QDir().rmdir(dir);
    ASSERT_TRUE(saved);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 6);
  }
}

TEST(PictureTest, EachOpenReadsTheFolderAnew) {
  sw_test::RuntimeScope scope;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResourceFolders folders({dir.path().toStdString()});
  EXPECT_FALSE(fw::Picture::_OpenFromApp("Stamp"));

  ASSERT_TRUE(SavePng(dir.filePath("Stamp.png"), 12, 3));
  auto picture = fw::Picture::_OpenFromApp("Stamp");

  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 12);
  EXPECT_EQ(picture->Height(), 3);
}

TEST(PictureTest, TheApplicationIconComesFromTheIconResource) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResourceFolders folders({dir.path().toStdString()});
  ASSERT_TRUE(SavePng(dir.filePath("Scoremill256.png"), 32, 32));

  sw_test::RuntimeScope scope;

  EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST(PictureTest, TheApplicationIconIsReadWhenAWindowFirstNeedsIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResourceFolders folders({dir.path().toStdString()});
  const QString file = dir.filePath("Scoremill256.png");
  ASSERT_TRUE(SavePng(file, 32, 32));
  sw_test::RuntimeScope scope;
  // Replaced after start-up: the window shows the file as it is when the window asks.
  QImage replacement(16, 16, QImage::Format_ARGB32);
  replacement.fill(Qt::darkRed);
  ASSERT_TRUE(replacement.save(file, "PNG"));

  QWidget window;
  const QIcon icon = window.windowIcon();
  EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
  EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::darkRed));
  EXPECT_EQ(icon.pixmap(8, 8).size(), QSize(8, 8)) << "scaled down to a smaller request";
  EXPECT_EQ(icon.pixmap(64, 64).size(), QSize(16, 16)) << "never scaled up";
}

}  // namespace
