// The application's resource files, for the framework's own files. The resource folders are
// searched in order: those a test set, else the executable's own folder (as built), then
// ../share/<program file name> from there (as installed).
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/resources.h is the framework's own header, not for program code"
#endif

#include <QString>
#include <vector>

namespace fw::internal {

// The paths of the files of that name ("Stamp.png") in the resource folders, one for each folder
// that has one, in the order of the search. Each call looks anew.
std::vector<QString> ResourcePaths(const QString& file_name);

}  // namespace fw::internal
