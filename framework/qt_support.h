// Conversions between the framework's values and Qt's, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/qt_support.h is the framework's own header, not for program code"
#endif

#include <QColor>
#include <QString>
#include <string>

#include "framework/value.h"

namespace fw::qt {

inline QString ToQ(const std::string& s) { return QString::fromStdString(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
inline QColor ToQ(Color c) { return QColor(c.red, c.green, c.blue, 255 - c.alpha); }

}  // namespace fw::qt
