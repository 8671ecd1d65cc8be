// The exception boundary between Qt and the program, and the report of an exception that nothing
// handled.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "framework/object.h"

namespace fw {

// The exception helper: calls the function with the argument and returns nil, or returns the
// RuntimeException that escaped it; any other exception passes on.
using HandlerFunction = std::function<void(Ref<Object>)>;
using ExceptionHelper = std::exception_ptr (*)(const HandlerFunction& function,
                                               Ref<Object> argument);

// Installs the run's exception helper.
void _RuntimeSetExceptionHelper(ExceptionHelper helper);

// Runs program code on behalf of Qt. Nothing unwinds through Qt: an exception that escapes goes
// through the exception helper and is reported, and the application keeps running.
void CallFromQt(const std::function<void()>& code) noexcept;

// Reports an exception that nothing handled: a line on standard error naming its class and
// message, and, while the event loop runs, a message box (one at a time).
void ReportException(std::exception_ptr exception, std::string_view context);

// The class name and message of an exception, for reports and tests.
std::string DescribeException(std::exception_ptr exception);

}  // namespace fw
