// The desktop's services: a message to the user and the desktop's handler for a URL.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

// Shows the text in a message box and returns at once; the box stays until the user closes it.
void MsgBox(const std::string& text);

// Opens the URL with the desktop's default handler and returns at once; when no program takes it,
// or the desktop's opener fails, a message box says so. A text that is no valid URL raises
// InvalidArgumentException.
void ShowURL(const std::string& url);

}  // namespace fw

namespace fw::internal {
// Ends the desktop openers still running when a run ends; what they started stays open.
void StopUrlOpeners();
}  // namespace fw::internal

namespace fw::testing {

// While set, ShowURL hands its URLs to the interceptor instead of the desktop.
void InterceptUrls(std::function<void(const std::string&)> interceptor);
void StopInterceptingUrls();

// The texts of the message boxes on screen now.
std::vector<std::string> OpenMessageBoxTexts();

}  // namespace fw::testing
