#pragma once

#include <string>
#include <string_view>

// Field n (from 1) of a text whose fields are joined by a one-character
// separator. Every n past the last field gives the last field again; a text
// without the separator gives the whole text for every n.
std::string GetStarField(std::string_view text, std::string_view separator, int n);
