#include "app/app.h"
#include "app/startup.h"

void _ApplicationAddMenuHandlers() {}

bool App::_InternetEmailSupport_Action() { return true; }
bool App::_InternetGototheKinetoraWebsite_Action() { return true; }
bool App::_InternetLikeKinetoraonTwitter_Action() { return true; }
bool App::_InternetLikeKinetoraonFacebook_Action() { return true; }
bool App::_InternetKinetora_Action() { return true; }
bool App::_InternetTabulix_Action() { return true; }
bool App::_FileAboutScorewright_Action() { return true; }
bool App::_HelpHelpWindow_Action() { return true; }
