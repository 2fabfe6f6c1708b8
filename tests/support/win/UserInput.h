// Mouse and keyboard input as a user gives it: hardware events through the
// system's input queue, reaching whatever window is under the pointer or has the
// keyboard. Coordinates are screen pixels. The button events with a position carry
// it in the same event, so that a pointer position the display echoes late cannot
// move them; the others act where the pointer is.
#pragma once

#include <windows.h>

#include <initializer_list>

void MouseMoveTo(int x, int y);
void MouseLeftDown();
void MouseLeftUp();
void MouseRightClick();
void MouseDoubleClick();
void MouseLeftDown(int x, int y);
void MouseLeftUp(int x, int y);
void MouseRightClick(int x, int y);
void MouseDoubleClick(int x, int y);
// presses left at from, moves through the points, releases at the last one
void MouseDrag(POINT from, std::initializer_list<POINT> through);
// presses the keys in order, then releases them in reverse order
void PressKeys(std::initializer_list<WORD> keys);
