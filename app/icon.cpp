#include "app/icon.h"

namespace {
fw::Ref<fw::Picture> pic;
}

fw::Ref<fw::Picture> Scoremill256() {
  if (!pic) pic = fw::Picture::_OpenFromApp("Scoremill256");
  return pic;
}

void _ReleaseScoremill256() { pic = nullptr; }
