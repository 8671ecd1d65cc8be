#include "app/app.h"

#include "app/icon.h"
#include "framework/runtime.h"

const char* const kLongVersion = "Copyright \u00A9 2019 Tallywright Software. All rights reserved.";

namespace {

fw::ClassDescription DescribeApp() {
  return {"App",
          "App",
          "Application",
          {"_MacOSDistributedNotifications.iNotify"},
          {"_InternetEmailSupport_Action", "_InternetGototheKinetoraWebsite_Action",
           "_InternetLikeKinetoraonTwitter_Action", "_InternetLikeKinetoraonFacebook_Action",
           "_InternetKinetora_Action", "_InternetTabulix_Action", "_FileAboutScorewright_Action",
           "_HelpHelpWindow_Action", "Constructor"},
          {}};
}

const bool registered = fw::RegisterProgramClass(
    {typeid(class App), &DescribeApp, &_ReleaseScoremill256, &_ReleaseScoremill256});

}  // namespace

void App::Constructor() {}

fw::Ref<class App> App() { return fw::CheckedCast<class App>(fw::_GetAppObject()); }
