// The runtime: process start and end, the application object and the event loop.
//
// All state here belongs to one run, from RuntimeInit to RuntimeExit; a process may run several
// times in a row (the tests do). A step that fails while no caller can take the exception (the
// runtime's initialisation, a static initialiser) leaves it pending: _Main finds it there.
#pragma once

#include <cstdint>
#include <exception>

#include "framework/class_registry.h"
#include "framework/error_report.h"
#include "framework/object.h"

namespace fw {

class Application;

void RuntimeInit();
void RuntimePerformInitializers();
void RuntimeSetFrameworkVersion(double version);
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
std::exception_ptr RuntimeTakePendingException();

// Asks the application to quit: every open window closes, the event loop ends and the run's exit
// result becomes code.
void Quit(std::int32_t code);

// Raises ThreadAccessingUIException unless called on the thread that initialised the runtime.
void CheckUIThread();

}  // namespace fw
