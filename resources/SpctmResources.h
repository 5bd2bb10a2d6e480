// The display library's resource module: every dialog template, menu, icon and cursor of
// its windows, found by number once the module has joined the process's resource chain
// (the library's load-time entry, facade/SpctmLibraryEntry.h, joins it). Each window
// family keeps its templates in a source of its own here and adds them to the module.
#pragma once

#include "platform/ui/Resources.h"

// The library's resource module (the same object on every call).
HINSTANCE spctmResources();
