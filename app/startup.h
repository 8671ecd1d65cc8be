// Start-up: the process entry's steps and the start-up driver with its phases, in the order in
// which they run. An exception in the driver's own steps, early start-up, the framework's
// initialisation or the event loop ends start-up and is reported as unhandled; one in late
// start-up goes back to the framework's initialisation.
#pragma once

#include <exception>

#include "framework/runtime.h"

// The process entry's five steps; main returns its result.
int ScorewrightMain();

void _Main();
void _EarlyStartup();
void _NewAppInstance();
void _LateStartup();
void _MakeDefaultView();

// The exception helper that start-up installs in the runtime.
std::exception_ptr _CallFunctionWithExceptionHandling(const fw::HandlerFunction& function,
                                                      fw::Ref<fw::Object> argument);

// Registers the application object's menu handlers under their menu item names.
void _ApplicationAddMenuHandlers();
