// The application object: its version data, its menu handlers and its build date. One object per
// run, made by early start-up and held by the runtime; callers reach it through App().
#pragma once

#include "framework/application.h"
#include "framework/date.h"

class App : public fw::Application {
 public:
  static constexpr const char* kClassName = "App";
  std::string ClassName() const override { return kClassName; }

  virtual bool _InternetEmailSupport_Action();
  virtual bool _InternetGototheKinetoraWebsite_Action();
  virtual bool _InternetLikeKinetoraonTwitter_Action();
  virtual bool _InternetLikeKinetoraonFacebook_Action();
  virtual bool _InternetKinetora_Action();
  virtual bool _InternetTabulix_Action();
  virtual bool _FileAboutScorewright_Action();
  virtual bool _HelpHelpWindow_Action();
  virtual void Constructor();

  // The moment the application was built; every read makes a new Date.
  fw::Ref<fw::Date> BuildDate() const;
};

// The registered application object.
fw::Ref<class App> App();

// The one line of copyright that the version data carry.
extern const char* const kLongVersion;
