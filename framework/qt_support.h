// Conversions between the framework's values and Qt's, for the framework's own files.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

#include "framework/value.h"

namespace fw::qt {

inline QString ToQ(const std::string& s) { return QString::fromStdString(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
inline QColor ToQ(Color c) { return QColor(c.red, c.green, c.blue, 255 - c.alpha); }

// The font for a design's TextFont and TextSize: "System" (or empty) is the desktop's default
// face, size 0 its default size, and any other size that many pixels.
QFont DesignFont(const std::string& family, double size, bool bold = false, bool italic = false,
                 bool underline = false);

}  // namespace fw::qt
