#pragma once

#include <stdexcept>

// A fetch that failed: no connection, a refused address, a reply the client
// takes as an error.
class EHttpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
