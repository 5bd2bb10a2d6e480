// The single-channel window's pictures (window and button icons, mouse-mode cursors) as
// pixel art, added to a resource module by addSpctm1CResources. The numbers are those of
// resources/Spctm1CResources.h.
#pragma once

#include "platform/ui/Resources.h"

// Adds the window icon, the nine button icons and the three cursors to `module`.
void addSpctm1CImages(ResourceModule& module);
