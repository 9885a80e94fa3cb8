#pragma once

#include <QString>
#include <string>

// Texts cross into Qt only at the widgets, in the local 8-bit code page.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);
