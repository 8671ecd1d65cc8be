#include "app/icon.h"

#include "framework/program_identity.h"

namespace {
fw::Ref<fw::Picture> pic;
}

fw::Ref<fw::Picture> Scoremill256() {
  if (!pic) pic = fw::Picture::_OpenFromApp(fw::kProgramIdentity.icon);
  return pic;
}

void _ReleaseScoremill256() { pic = nullptr; }
