#pragma once

#include <string>
#include <string_view>

// True when every byte of the address can stand in a request line as it is:
// no control characters, no blanks, nothing at or above 127. An address that
// fails this is never sent, so a hostile link cannot add lines to a request.
bool IsSendableAddress(std::string_view url);

// Throws EHttpError unless the address is sendable; returns it otherwise.
const std::string& RequireSendableAddress(const std::string& url);
