// The window borders the program's windows are designed with.
#pragma once

#include <Qt>

namespace kumo {

// A sizeable window whose only title-bar button is close.
inline constexpr Qt::WindowFlags CloseOnlyWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
// A small-captioned tool window with a close button.
inline constexpr Qt::WindowFlags ToolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace kumo
