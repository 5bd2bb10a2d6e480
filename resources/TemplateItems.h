// The one way the library's templates list their controls: a control shown with its
// dialog (WS_CHILD | WS_VISIBLE) of a class, ID, caption, position and size in dialog
// units, and the class's own style bits. Used by the template sources of resources/.
#pragma once

#include "platform/ui/Resources.h"

inline DialogItemTemplate templateItem(ControlClass cls, int id, const wchar_t* caption, int x, int y, int cx, int cy,
                                       DWORD style) {
  return {cls, id, caption, x, y, cx, cy, WS_CHILD | WS_VISIBLE | style};
}
