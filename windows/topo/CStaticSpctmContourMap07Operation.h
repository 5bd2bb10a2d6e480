// The canvas's context menu (resource 2132, popup "ContourMap") and its four commands on
// the trial's current channel and the session's channel flags. The owning dialog opens
// the menu on a right click over the canvas; the canvas receives the chosen command.
#pragma once

#include "windows/topo/CStaticSpctmContourMap06Lines.h"

class CStaticSpctmContourMap07Operation : public CStaticSpctmContourMap06Lines {
 public:
  // Loads menu 2132 and tracks its first popup at the screen point with the canvas as
  // owner, which then receives the chosen command; the menu is destroyed afterwards.
  void showContextMenu(CPoint screenPoint);

  // The commands. Each refreshes the binding first and does nothing without a trial;
  // "current" is the trial's current channel.
  // "Set Bad Sensor" (2124): with the busy cursor, toggles the current channel's good flag
  // for all trials, drops the grid and the sensor list and rebuilds the field (and, in
  // the Lines and Both displays, its lines); invalidates with erase.
  void OnSetBadSensor();
  // "Switch Selection" (2123): toggles the current channel's show flag; invalidates.
  void OnSwitchSelection();
  // "Clean Selection" (2125): toggles the current channel's selection; invalidates.
  void OnCleanSelection();
  // "Switch Visibility" (2122): clears every channel's selection; invalidates.
  void OnSwitchVisibility();

  DECLARE_MESSAGE_MAP()
};
