// The runtime: process start and end, class descriptions, the application object, the event
// loop and the exception boundary between Qt and the program.
//
// All state here belongs to one run, from RuntimeInit to RuntimeExit; a process may run several
// times in a row (the tests do). A step that fails while no caller can take the exception (the
// runtime's initialisation, a static initialiser) leaves it pending: _Main finds it there.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "framework/object.h"

namespace fw {

class Application;
class Window;

// What the framework knows of a program class at run time.
struct ClassDescription {
  std::string name;            // "Scorewright"
  std::string qualified_name;  // "Scorewright.Scorewright": the key of a window's implicit instance
  std::string base;            // "Window"
  std::vector<std::string> interfaces;
  std::vector<std::string> virtual_operations;  // the class's own, in slot order
  // The framework events the class implements itself, by event name, with the method that
  // implements each ("Layout", "CreateControls", "AddMenuHandlers", "Close").
  std::vector<std::pair<std::string, std::function<void(Object&)>>> events;

  const std::function<void(Object&)>* Event(std::string_view event) const;
};

// A program class gives the framework its description once per run, and with it the module's
// static initialiser (module references start empty) and finaliser (they are released).
struct ClassRegistration {
  std::type_index type;
  ClassDescription (*describe)();
  void (*initialize_module)() = nullptr;
  void (*finalize_module)() = nullptr;
};
bool RegisterProgramClass(const ClassRegistration& registration);

// The description of a class; the class's first lookup describes it if its static initialiser
// has not run yet. Nil for a framework class.
const ClassDescription* DescriptionOf(const std::type_info& type);

// The exception helper: calls the function with the argument and returns nil, or returns the
// RuntimeException that escaped it; any other exception passes on.
using HandlerFunction = std::function<void(Ref<Object>)>;
using ExceptionHelper = std::exception_ptr (*)(const HandlerFunction& function, Ref<Object> argument);

void RuntimeInit();
void RuntimePerformInitializers();
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
void _RuntimeSetFrameworkVersion(double version);
double _RuntimeFrameworkVersion();
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
void _RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Object> _GetAppObject();
void _RunFrameworkInitialization(void (*late_startup)());
void _RuntimeRun();
void _UnhandledException(std::exception_ptr exception);
void RuntimePerformFinalizers();
std::int32_t RuntimeExit();

// The exception that a step could not pass to a caller, taken from the runtime (nil if none).
std::exception_ptr _RuntimeTakePendingException();

// Asks the application to quit: every open window closes, the event loop ends and the run's exit
// result becomes code.
void Quit(std::int32_t code);

// Raises ThreadAccessingUIException unless called on the thread that initialised the runtime.
void CheckUIThread();

// Runs program code on behalf of Qt. Nothing unwinds through Qt: an exception that escapes goes
// through the exception helper and is reported, and the application keeps running.
void CallFromQt(const std::function<void()>& code) noexcept;

// Reports an exception that nothing handled: a line on standard error naming its class and
// message, and, while the event loop runs, a message box.
void ReportException(std::exception_ptr exception, std::string_view context);

// The class name and message of an exception, for reports and tests.
std::string DescribeException(std::exception_ptr exception);

}  // namespace fw
