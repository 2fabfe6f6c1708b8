// Mouse and keyboard input as a user gives it: hardware events through the
// system's input queue, reaching whatever window is under the pointer or has the
// keyboard. Coordinates are screen pixels. Every button event carries its own
// position, so that a pointer position echoed late by the display cannot move it.
#pragma once

#include <windows.h>

#include <initializer_list>

void MouseMoveTo(int x, int y);
void MouseLeftDown(int x, int y);
void MouseLeftUp(int x, int y);
void MouseRightClick(int x, int y);
void MouseDoubleClick(int x, int y);
// presses left at from, moves through the points, releases at the last one
void MouseDrag(POINT from, std::initializer_list<POINT> through);
// presses the keys in order, then releases them in reverse order
void PressKeys(std::initializer_list<WORD> keys);
