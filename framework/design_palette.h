// The ground of a designed window on the desktop's colour scheme, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/design_palette.h is the framework's own header, not for program code"
#endif

#include <QPalette>

namespace fw::internal {

// A dark scheme writes light text on a dark ground.
bool IsDark(const QPalette& palette);

// The designs' colours (black captions, grey bars, the coloured results) were chosen for a light
// window. On a dark desktop a designed content area gets the style's own light palette, keeping
// the desktop's selection colours; on a light one it takes the desktop's palette as it is.
QPalette DesignPalette();

}  // namespace fw::internal
