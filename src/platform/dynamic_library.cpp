#include "platform/dynamic_library.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>

namespace {

std::string& OverriddenSystemDirectory() {
    static std::string folder;
    return folder;
}

// The program's own folder, where the build places the help module.
std::string SystemDirectory() {
    if (!OverriddenSystemDirectory().empty()) {
        return OverriddenSystemDirectory();
    }
    return QCoreApplication::applicationDirPath().toLocal8Bit().toStdString();
}

} // namespace

unsigned GetSystemDirectoryA(char* buffer, unsigned size) {
    const std::string folder = SystemDirectory();
    const auto needed = static_cast<unsigned>(folder.size() + 1);
    if (buffer == nullptr || size < needed) {
        return needed;
    }
    std::memcpy(buffer, folder.c_str(), needed);
    return needed - 1;
}

void SetSystemDirectory(const std::string& folder) {
    OverriddenSystemDirectory() = folder;
}

HMODULE LoadLibraryA(const char* path) {
    if (path == nullptr) {
        return nullptr;
    }
    std::string file(path);
    std::replace(file.begin(), file.end(), '\\', '/');
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}
