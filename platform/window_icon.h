#pragma once

#include "platform/window.h"

// The icons a window shows in its title bar and in the task bar.
namespace platform {

using IconHandle = void*;
enum class IconSize { large, small };

// Loads icon group `resourceId` of `module` in the platform's size for `size`
// and gives it to the window; null when it could not be loaded.
IconHandle setWindowIcon(WindowHandle window, void* module, int resourceId, IconSize size);

// Takes the icon back from the window, if the window still shows it, and
// releases it.
void releaseWindowIcon(WindowHandle window, IconHandle icon, IconSize size);

}  // namespace platform
