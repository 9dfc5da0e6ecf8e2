/* What the bare window and the start-up benchmark agree on: the class, the frame and the colour
   of the bare window, the same outer size, place and style as the viewer's main window. */
#ifndef ZORAVEL_BARE_WINDOW_H
#define ZORAVEL_BARE_WINDOW_H

#include <windows.h>

#define BARE_CLASS_NAME "ZoravelBareWindow"

const int BARE_X = 250;
const int BARE_Y = 20;
const int BARE_WIDTH = 309;
const int BARE_HEIGHT = 495;
const DWORD BARE_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const COLORREF BARE_COLOUR = RGB(0, 96, 192);

#endif
