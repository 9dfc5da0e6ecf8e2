/* Painting of the whole window, its header and its tabs.
   Each procedure gets its own DC from the window (or uses the paint DC it is handed). */
#ifndef ZORAVEL_PAINT_H
#define ZORAVEL_PAINT_H

#include <windows.h>

#include "draw/layout.h"

void PaintWindow(HWND window, HDC paintDc);
void DrawHeader(int pictureId);
/* The tab's image at its place: the pressed one when selected. */
void DrawTab(HWND window, TabKind tab, int selected);
/* The tab whose view the flags say is shown. */
TabKind ShownTab();

#endif
