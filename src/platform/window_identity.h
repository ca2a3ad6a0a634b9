#pragma once

// Tells the desktop whose window this is, right after it is created: its
// class (so a task bar ties it to the game's menu entry), the game's icon
// and the process that owns it.
void identifyWindow();
