#pragma once

#include <string>
#include <string_view>

// Byte-string helpers shared by the whole program. Texts are bytes in the
// system's code page: upper-casing changes only the letters a to z, and
// trimming removes every leading and trailing byte whose code is 32 or below.

std::string UpperCase(std::string_view text);
std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);

// Position of the first occurrence of an upper-cased needle in an upper-cased
// haystack, or npos. An empty needle finds nothing.
std::size_t FindText(std::string_view upperHaystack, std::string_view upperNeedle,
                     std::size_t from = 0);
