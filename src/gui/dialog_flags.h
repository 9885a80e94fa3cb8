#pragma once

#include <Qt>

// The border of the program's dialogs: a title with a close box only.
constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
