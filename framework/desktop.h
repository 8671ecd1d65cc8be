// The desktop's services: a message to the user and the desktop's handler for a URL.
#pragma once

#include <string>

namespace fw {

// Shows the text in a message box and returns at once; the box stays until the user closes it.
void MsgBox(const std::string& text);

// Opens the URL with the desktop's default handler and returns at once; when no program takes it,
// or the desktop's opener fails within a few seconds, a message box says so. An opener still
// running then is left to itself, also when the program quits. A text that is no valid URL raises
// InvalidArgumentException.
void ShowURL(const std::string& url);

}  // namespace fw
