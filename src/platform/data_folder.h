#pragma once

// The game opens its pictures and sounds by relative path (./img/...,
// ./sounds/...), so it runs inside the folder that holds them. Before
// anything is loaded, enterDataFolder finds that folder and changes into it.
// The first of these places with an img/ folder is the data folder:
//   1. the current folder (a build folder, or a test's run folder);
//   2. the folder of the program itself (a build folder started from
//      elsewhere);
//   3. the installed data, at the install layout's fixed place beside the
//      program (P/share/games/brumalo for P/games/brumalo), so that an
//      installation under any prefix finds its own data.
// When none has one, it prints one line on standard error naming the places
// it looked at and returns false.
bool enterDataFolder(const char* programPath);
