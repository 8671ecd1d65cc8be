#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

#include "framework/desktop.h"
#include "framework/picture.h"
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

TEST(ShowURLTest, SaysSoWhenNoProgramTakesTheLink) {
  // The offscreen platform has no desktop services: nothing takes a link there.
  sw_test::RuntimeScope scope;
  fw::ShowURL("http://www.kinetora.example/");
  EXPECT_EQ(fw::testing::OpenMessageBoxTexts(),
            std::vector<std::string>{
                "No program on this computer could open http://www.kinetora.example/."});
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
  sw_test::RuntimeScope scope;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResourceFolders folders({dir.path().toStdString()});
  ASSERT_TRUE(SavePng(dir.filePath("Scoremill256.png"), 32, 32));

  fw::internal::ApplyApplicationIcon();

  EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST(PictureTest, TheApplicationIconIsReadWhenAWindowFirstNeedsIt) {
  sw_test::RuntimeScope scope;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResourceFolders folders({dir.path().toStdString()});
  const QString file = dir.filePath("Scoremill256.png");
  ASSERT_TRUE(SavePng(file, 32, 32));
  fw::internal::ApplyApplicationIcon();
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
