#include "app/app.h"
#include "app/main_menu_bar.h"
#include "app/startup.h"
#include "framework/desktop.h"
#include "info_windows/aboutwindow.h"
#include "info_windows/helpwindow.h"

namespace {

struct Registration {
  const char* item_name;
  bool (App::*handler)();
};

constexpr Registration kHandlers[] = {
    {"InternetEmailSupport", &App::_InternetEmailSupport_Action},
    {"InternetGototheKinetoraWebsite", &App::_InternetGototheKinetoraWebsite_Action},
    {"InternetLikeKinetoraonTwitter", &App::_InternetLikeKinetoraonTwitter_Action},
    {"InternetLikeKinetoraonFacebook", &App::_InternetLikeKinetoraonFacebook_Action},
    {"InternetKinetora", &App::_InternetKinetora_Action},
    {"InternetTabulix", &App::_InternetTabulix_Action},
    {"FileAboutScorewright", &App::_FileAboutScorewright_Action},
    {"HelpHelpWindow", &App::_HelpHelpWindow_Action},
};

}  // namespace

void _ApplicationAddMenuHandlers() {
  for (const auto& row : kHandlers) {
    fw::Ref<class App> app = App();
    // The application object holds its handlers and lives to the end of the run.
    class App* target = app.get();
    auto handler = row.handler;
    app->_AddMenuHandler(row.item_name, [target, handler] { return (target->*handler)(); });
  }
}

bool App::_InternetEmailSupport_Action() {
  fw::ShowURL(std::string("mailto:") + kSupportAddress);
  return true;
}

bool App::_InternetGototheKinetoraWebsite_Action() {
  fw::ShowURL("http://www.kinetora.example/");
  return true;
}

bool App::_InternetLikeKinetoraonTwitter_Action() {
  fw::ShowURL("http://www.kinetora.example/twitter");
  return true;
}

bool App::_InternetLikeKinetoraonFacebook_Action() {
  fw::ShowURL("http://www.kinetora.example/facebook");
  return true;
}

bool App::_InternetKinetora_Action() {
  fw::ShowURL("http://www.kinetora.example/store/kinetora");
  return true;
}

bool App::_InternetTabulix_Action() {
  fw::ShowURL("http://www.kinetora.example/store/tabulix");
  return true;
}

bool App::_FileAboutScorewright_Action() {
  fw::Ref<class aboutwindow> window = aboutwindow();
  window->SetVisible(true);
  return true;
}

bool App::_HelpHelpWindow_Action() {
  fw::Ref<class helpWindow> window = helpWindow();
  window->SetVisible(true);
  return true;
}
