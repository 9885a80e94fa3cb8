#pragma once

#include <string>

// A simple message: captioned with the application title, OK, no icon.
void ShowMessage(const std::string& text);
