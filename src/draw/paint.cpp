/* The fixed layout: red casing, grey backing and panel, white picture box, tabs and header.
   Shapes go to the paint DC; images, panels and header draw whole through their own DCs. */
#include "draw/paint.h"

#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "draw/layout.h"
#include "draw/picture.h"
#include "resource.h"

#include <stdio.h>
#include <windowsx.h>

const TabPlace tabPlace[TAB_COUNT] = {
  /* TAB_INFO      */ {35,  256, IDB_TAB_INFO_ON,      IDB_TAB_INFO_OFF     },
 /* TAB_MOVES     */
   {115, 256, IDB_TAB_MOVES_ON,     IDB_TAB_MOVES_OFF    },
 /* TAB_MACHINES  */
   {195, 256, IDB_TAB_MACHINES_ON,  IDB_TAB_MACHINES_OFF },
 /* TAB_EVOLUTION */
   {35,  430, IDB_TAB_EVOLUTION_ON, IDB_TAB_EVOLUTION_OFF},
};

static void DrawTab(HWND window, TabKind tab, int selected)
{
    const TabPlace &place = tabPlace[tab];
    DrawResourceImage(window, selected ? place.imageOn : place.imageOff, place.x, place.y, SCALE_TAB);
}

static void DrawCasing(HDC dc)
{
    HPEN pen        = CreatePen(PS_SOLID, FRAME_PEN_WIDTH, CASING_PEN_COLOUR);
    HBRUSH brush    = CreateSolidBrush(CASING_BRUSH_COLOUR);
    HPEN penOld     = SelectPen(dc, pen);
    HBRUSH brushOld = SelectBrush(dc, brush);
    RoundRect(dc, 1, 1, 301, 209, FRAME_CORNER, FRAME_CORNER);   /* upper frame */
    RoundRect(dc, 1, 211, 301, 252, FRAME_CORNER, FRAME_CORNER); /* middle band */
    Rectangle(dc, 60, 211, 242, 251);                            /* its middle compartment */
    RoundRect(dc, 1, 253, 301, 461, FRAME_CORNER, FRAME_CORNER); /* lower frame */
    SelectBrush(dc, brushOld);
    SelectPen(dc, penOld);
    DeleteBrush(brush);
    DeletePen(pen);
}

static void DrawGreyAreas(HDC dc)
{
    HPEN pen        = CreatePen(PS_SOLID, FRAME_PEN_WIDTH, PANEL_COLOUR);
    HBRUSH brush    = CreateSolidBrush(PANEL_COLOUR);
    HPEN penOld     = SelectPen(dc, pen);
    HBRUSH brushOld = SelectBrush(dc, brush);
    RoundRect(dc, 26, 34, 275, 175, PANEL_CORNER, PANEL_CORNER); /* header backing */
    RoundRect(dc, LOWER_PANEL.left, LOWER_PANEL.top, LOWER_PANEL.right, LOWER_PANEL.bottom, PANEL_CORNER,
              PANEL_CORNER);
    SelectBrush(dc, brushOld);
    SelectPen(dc, penOld);
    DeleteBrush(brush);
    DeletePen(pen);
}

static void DrawPictureBox(HDC dc)
{
    HPEN pen        = CreatePen(PS_SOLID, FRAME_PEN_WIDTH, PICTURE_BOX_PEN_COLOUR);
    HBRUSH brush    = CreateSolidBrush(PICTURE_BOX_COLOUR);
    HPEN penOld     = SelectPen(dc, pen);
    HBRUSH brushOld = SelectBrush(dc, brush);
    RoundRect(dc, 54, 28, 248, 182, FRAME_CORNER, FRAME_CORNER);
    SelectBrush(dc, brushOld);
    SelectPen(dc, penOld);
    DeleteBrush(brush);
    DeletePen(pen);
}

void ClearLowerPanel(HDC dc)
{
    HPEN pen        = CreatePen(PS_SOLID, FRAME_PEN_WIDTH, PANEL_COLOUR);
    HBRUSH brush    = CreateSolidBrush(PANEL_COLOUR);
    HPEN penOld     = SelectPen(dc, pen);
    HBRUSH brushOld = SelectBrush(dc, brush);
    RoundRect(dc, LOWER_PANEL.left, LOWER_PANEL.top, LOWER_PANEL.right, LOWER_PANEL.bottom, PANEL_CORNER,
              PANEL_CORNER);
    SelectBrush(dc, brushOld);
    SelectPen(dc, penOld);
    DeleteBrush(brush);
    DeletePen(pen);
}

void PaintWindow(HWND window, HDC paintDc)
{
    SetBkMode(paintDc, TRANSPARENT);
    DrawCasing(paintDc);
    DrawGreyAreas(paintDc);
    DrawPictureBox(paintDc);

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
    HDC dc            = GetDC(app.mainWindow);
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
