/* The fixed layout: red casing, grey backing and panel, white picture box, tabs and header.
   Shapes go to the paint DC; images, panels and header draw whole through their own DCs. */
#include "draw/paint.h"

#include "catalogue/catalogue.h"
#include "draw/evolution_panel.h"
#include "draw/info_panel.h"
#include "draw/layout.h"
#include "draw/picture.h"
#include "draw/shapes.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdio.h>
#include <windowsx.h>

/* clang-format off */
const TabPlace tabPlace[TAB_COUNT] = {
    {35,  256, IDB_TAB_INFO_ON,      IDB_TAB_INFO_OFF     }, /* TAB_INFO */
    {115, 256, IDB_TAB_MOVES_ON,     IDB_TAB_MOVES_OFF    }, /* TAB_MOVES */
    {195, 256, IDB_TAB_MACHINES_ON,  IDB_TAB_MACHINES_OFF }, /* TAB_MACHINES */
    {35,  430, IDB_TAB_EVOLUTION_ON, IDB_TAB_EVOLUTION_OFF}, /* TAB_EVOLUTION */
};
/* clang-format on */

void DrawTab(HWND window, TabKind tab, int selected)
{
    const TabPlace &place = tabPlace[tab];
    DrawResourceImage(window, selected ? place.imageOn : place.imageOff, place.x, place.y, SCALE_TAB);
}

static const Shape casingShapes[] = {
    {{1, 1, 301, 209},    FRAME_CORNER}, /* upper frame */
    {{1, 211, 301, 252},  FRAME_CORNER}, /* middle band */
    {{60, 211, 242, 251}, 0           }, /* its middle compartment */
    {{1, 253, 301, 461},  FRAME_CORNER}, /* lower frame */
};

static const Shape headerBackingShape = {
    {26, 34, 275, 175},
    PANEL_CORNER
};
static const Shape pictureBoxShape = {
    {54, 28, 248, 182},
    FRAME_CORNER
};
void PaintWindow(HWND window, HDC paintDc)
{
    SetBkMode(paintDc, TRANSPARENT);
    DrawShapes(paintDc, CASING_PEN_COLOUR, CASING_BRUSH_COLOUR, casingShapes, 4);
    DrawShapes(paintDc, PANEL_COLOUR, PANEL_COLOUR, &headerBackingShape, 1);
    ClearLowerPanel(paintDc);
    DrawShapes(paintDc, PICTURE_BOX_PEN_COLOUR, PICTURE_BOX_COLOUR, &pictureBoxShape, 1);

    DrawTab(window, TAB_INFO, app.infoView);
    if (app.infoView)
        DrawInfoPanel();
    DrawTab(window, TAB_EVOLUTION, app.evolutionView);
    if (app.evolutionView)
        DrawEvolutionPanel();
    /* In the list views the list box lies over the panel and paints itself. */
    DrawTab(window, TAB_MOVES, app.movesView);
    DrawTab(window, TAB_MACHINES, app.machinesView);

    DrawHeader(app.EntryIndex + IDB_PICTURE_BASE);
}

void DrawHeader(int pictureId)
{
    /* The DC keeps its defaults: system font, black text on opaque white. */
    HDC dc = GetDC(app.mainWindow);
    unsigned short id = (unsigned short)pictureId;
    if (app.EntryIndex == FORM_ENTRY)
        id = formPicture[app.FormIndex];
    DrawResourceImage(app.mainWindow, id, PICTURE_X, PICTURE_Y, SCALE_PICTURE);

    /* Three digits fill the four bytes with the terminator, which the full stop then replaces. */
    char number[4];
    snprintf(number, sizeof number, "%d", pictureId + (FIRST_NUMBER - IDB_PICTURE_BASE));
    number[3] = '.';
    TextOutA(dc, NUMBER_X, NUMBER_Y, number, 4);
    ReleaseDC(app.mainWindow, dc);
}

TabKind ShownTab()
{
    if (app.movesView)
        return TAB_MOVES;
    if (app.machinesView)
        return TAB_MACHINES;
    if (app.evolutionView)
        return TAB_EVOLUTION;
    return TAB_INFO;
}
