#include "app/app.h"

#include "app/icon.h"
#include "framework/runtime.h"

const char* const kLongVersion = "Copyright \u00A9 2019 Tallywright Software. All rights reserved.";

namespace {

fw::ClassDescription DescribeApp() {
  return {"App", "App", {}};
}

const bool registered = fw::RegisterProgramClass(
    {typeid(class App), &DescribeApp, &_ReleaseScoremill256, &_ReleaseScoremill256});

}  // namespace

void App::Constructor() {}

fw::Ref<class App> App() { return fw::CheckedCast<class App>(fw::_GetAppObject()); }
