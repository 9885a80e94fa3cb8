#pragma once

#include <string>
#include <string_view>

// True when every byte of the address can stand in a request line as it is:
// no control characters, no blanks, no DEL. Bytes from 128 up (typed letters
// of any code page) go out as they are. An address that fails this is never
// sent, so a hostile link cannot add lines to a request.
bool IsSendableAddress(std::string_view url);

// Throws EHttpError unless the address is sendable; returns it otherwise.
const std::string& RequireSendableAddress(const std::string& url);
