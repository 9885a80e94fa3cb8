#include "main/HTMLHelp_Decl.h"

#include <stdexcept>

HWND CallHtmlHelp(HWND, const std::string&, unsigned, std::uint32_t) {
    throw std::runtime_error("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
}
