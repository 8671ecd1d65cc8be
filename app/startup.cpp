#include "app/startup.h"

#include "app/app.h"
#include "app/main_menu_bar.h"
#include "grading_window/scorewright.h"

int ScorewrightMain() {
  fw::RuntimeInit();
  fw::RuntimePerformInitializers();
  try {
    _Main();
  } catch (...) {
    // Left pending by the unhandled-exception report itself; the run still finishes.
    fw::ReportException(std::current_exception(), "unhandled");
  }
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

void _Main() {
  std::exception_ptr pending = fw::RuntimeTakePendingException();
  if (!pending) {
    try {
      fw::_RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
      fw::RuntimeSetFrameworkVersion(2019.011);
      _EarlyStartup();
      fw::_RunFrameworkInitialization(&_LateStartup);
      fw::_RuntimeRun();
      return;
    } catch (...) {
      pending = std::current_exception();
    }
  }
  fw::_UnhandledException(pending);
}

void _EarlyStartup() {
  fw::Application::_SetSupportsHiDPI(true);
  fw::_RuntimeInitExternalClasses();
  fw::_InitPluginEntrypoints();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _NewAppInstance() {
  auto app = fw::New<class App>();
  app->Constructor();
  app->_x_SetVersionData(1, 0, 0, 0, 3, kLongVersion, "1.0.1", "Tallywright for Teachers");
  app->SetMenuBar(MainMenuBar());
  fw::_RuntimeRegisterAppObject(app);
}

void _LateStartup() { _MakeDefaultView(); }

void _MakeDefaultView() { Scorewright(); }

std::exception_ptr _CallFunctionWithExceptionHandling(const fw::HandlerFunction& function,
                                                      fw::Ref<fw::Object> argument) {
  try {
    function(std::move(argument));
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}
