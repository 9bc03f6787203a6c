// The main window's menu bar, built from the menu table (screens/menuactions.h):
// every item with its caption, key and command, the Unit menu from the unit
// menu table, and the bar as the cover shows it.
#pragma once

#include "screens/menuactions.h"

class QMenuBar;

namespace belt {

struct DriveProject;

// Fills bar; the items' commands go to commands, which must outlive the bar.
MenuActions BuildMenuBar(QMenuBar& bar, MenuCommands& commands);

// Checks in the Unit menu the unit chosen for each quantity, and no other.
void ShowUnitChecks(const MenuActions& m, const DriveProject& p);

}  // namespace belt
