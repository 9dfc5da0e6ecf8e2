/* The layout's outlined and filled shapes, and the lower panel that each drawn view clears.
   Below the painting of the window and of both panels, which all draw their frames with it. */
#ifndef ZORAVEL_SHAPES_H
#define ZORAVEL_SHAPES_H

#include <windows.h>

/* A rounded or (corner 0) square rectangle of the layout. */
struct Shape {
    RECT place;
    int corner;
};

/* Draws the shapes outlined with a 5-pixel pen and filled with a solid brush. */
void DrawShapes(HDC dc, COLORREF penColour, COLORREF brushColour, const Shape *shapes, int count);

/* Fills the lower panel with its grey, wiping the previous view. */
void ClearLowerPanel(HDC dc);

#endif
