#include "framework/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <string>

#include "framework/internal.h"
#include "framework/program_identity.h"
#include "framework/qt_support.h"

namespace fw::internal {

namespace {

std::vector<QString> ResourceFolders() {
  std::vector<QString> folders;
  if (const std::vector<std::string>* set = TestResourceFolders()) {
    for (const std::string& folder : *set) folders.push_back(qt::ToQ(folder));
    return folders;
  }
  // Where the program is, not where it was built: the build puts the resources beside the
  // executable, an installation in share/<program file name> beside its bin.
  if (QCoreApplication::instance()) {
    const QString executable_folder = QCoreApplication::applicationDirPath();
    folders.push_back(executable_folder);
    folders.push_back(QDir::cleanPath(executable_folder + QStringLiteral("/../share/") +
                                      QString::fromUtf8(kProgramIdentity.file_name)));
  }
  return folders;
}

}  // namespace

std::vector<QString> ResourcePaths(const QString& file_name) {
  std::vector<QString> paths;
  for (const QString& folder : ResourceFolders()) {
    QString path = QDir(folder).filePath(file_name);
    if (QFileInfo::exists(path)) paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace fw::internal
