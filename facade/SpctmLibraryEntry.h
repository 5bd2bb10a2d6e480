// The display library's load-time entry: joins the library's resource module (the dialog
// templates, menus, icons and cursors of its windows) to the process's resource chain
// when the shared library is loaded and takes it out again when it is unloaded. It runs
// by itself at load and unload; a host may also call it. UI thread only.
#pragma once

#include "platform/ui/Resources.h"

// DLL_PROCESS_ATTACH: initialises the extension module with hInstance and adds one
// CDynLinkLibrary for it to the chain; 0 when the module cannot be initialised (a null
// instance), else 1. An attach while attached changes nothing and returns 1.
// DLL_PROCESS_DETACH: terminates the extension module, which takes its library out of the
// chain; a detach while detached does nothing. Any other reason: 1, nothing done.
int spctmLibraryEntry(HINSTANCE hInstance, DWORD dwReason, void* pReserved);
