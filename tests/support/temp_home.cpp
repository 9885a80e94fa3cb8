#include "support/temp_home.h"

#include <cstdlib>

TempHome::TempHome() {
    if (const char* home = std::getenv("HOME")) {
        oldHome_ = home;
    }
    ::setenv("HOME", dir_.Path().c_str(), 1);
}

TempHome::~TempHome() {
    if (oldHome_) {
        ::setenv("HOME", oldHome_->c_str(), 1);
    } else {
        ::unsetenv("HOME");
    }
}
