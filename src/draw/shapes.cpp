/* The layout's shapes drawn with their pen and brush, and the lower panel's clearing.
   Each call creates its pen and brush, selects them, draws, selects the old ones back and deletes them. */
#include "draw/shapes.h"

#include "draw/layout.h"

#include <windowsx.h>

static const Shape lowerPanelShape = {LOWER_PANEL, PANEL_CORNER};

void DrawShapes(HDC dc, COLORREF penColour, COLORREF brushColour, const Shape *shapes, int count)
{
    HPEN pen = CreatePen(PS_SOLID, FRAME_PEN_WIDTH, penColour);
    HBRUSH brush = CreateSolidBrush(brushColour);
    HPEN penOld = SelectPen(dc, pen);
    HBRUSH brushOld = SelectBrush(dc, brush);
    for (int i = 0; i < count; ++i) {
        const RECT &place = shapes[i].place;
        if (shapes[i].corner)
            RoundRect(dc, place.left, place.top, place.right, place.bottom, shapes[i].corner,
                      shapes[i].corner);
        else
            Rectangle(dc, place.left, place.top, place.right, place.bottom);
    }
    SelectBrush(dc, brushOld);
    SelectPen(dc, penOld);
    DeleteBrush(brush);
    DeletePen(pen);
}

void ClearLowerPanel(HDC dc)
{
    DrawShapes(dc, PANEL_COLOUR, PANEL_COLOUR, &lowerPanelShape, 1);
}
