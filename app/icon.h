// The application icon picture, loaded from the application's resources on first use and kept
// for the rest of the run. While it cannot be loaded every call returns nil and tries again.
#pragma once

#include "framework/picture.h"

fw::Ref<fw::Picture> Scoremill256();

// Lets go of the loaded picture; the run's end does this.
void _ReleaseScoremill256();
