#pragma once

#include <string>
#include <string_view>

// Byte-string helpers shared by the whole program. Texts are bytes in the
// system's code page: upper-casing changes only the letters a to z, and
// trimming removes every leading and trailing byte whose code is 32 or below.

std::string UpperCase(std::string_view text);
std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);

// Position of the first occurrence, at or after `from`, of an upper-cased
// needle in a haystack of any letter case, or npos. Only a to z fold, as in
// UpperCase. An empty needle finds nothing.
std::size_t FindUpperCased(std::string_view haystack, std::string_view upperNeedle,
                           std::size_t from = 0);
