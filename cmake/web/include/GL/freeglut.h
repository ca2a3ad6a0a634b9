// The browser's GLUT is freeglut's standard part only. The game's code names
// freeglut's header, so this one stands in for it in the browser build, with
// the one extension value the game asks glutGet about.
#pragma once

#include <GL/freeglut_std.h>

#ifndef GLUT_FULL_SCREEN
#define GLUT_FULL_SCREEN 0x01FF
#endif
