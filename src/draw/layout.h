/* The fixed layout of the main window: places, sizes and colours of what is drawn.
   Shared by the painting code and the window procedure's tab handling. */
#ifndef ZORAVEL_LAYOUT_H
#define ZORAVEL_LAYOUT_H

#include <windows.h>

/* Scales of the images. */
const float SCALE_SYMBOL = 1.0f;
const float SCALE_PICTURE = 1.5f;
const float SCALE_TAB = 2.0f;
const float SCALE_TYPE_ICON = 2.0f;

/* Colours, 0x00BBGGRR. */
const COLORREF CASING_PEN_COLOUR = RGB(204, 51, 0);
const COLORREF CASING_BRUSH_COLOUR = RGB(255, 0, 0);
const COLORREF PANEL_COLOUR = RGB(76, 76, 76);
const COLORREF PICTURE_BOX_PEN_COLOUR = RGB(153, 153, 153);
const COLORREF PICTURE_BOX_COLOUR = RGB(255, 255, 255);
const COLORREF INFO_TEXT_COLOUR = RGB(196, 196, 196);
const COLORREF EVOLUTION_TEXT_COLOUR = RGB(140, 214, 0);
/* The entry box's text while it names no entry: a muted red, apart from the black of a name. */
const COLORREF UNNAMED_TEXT_COLOUR = RGB(170, 51, 51);

const int FRAME_PEN_WIDTH = 5;

/* The client area the layout needs: the casing's outline reaches x 302 and y 462, and a white
   row stays below it. */
const int LAYOUT_WIDTH = 303, LAYOUT_HEIGHT = 464;

/* The lower panel, cleared by each drawn view. */
const RECT LOWER_PANEL = {26, 287, 275, 427};
const int PANEL_CORNER = 5;
const int FRAME_CORNER = 10;

/* Header. */
const int PICTURE_X = 91, PICTURE_Y = 57;
const int NUMBER_X = 70, NUMBER_Y = 39;

/* Info panel. */
const int TYPE_ICON1_X = 70, TYPE_ICON2_X = 150, TYPE_ICON_Y = 292;
const int TYPE_LABEL_X = 31, TYPE_LABEL_Y = 295;
const int HEIGHT_LINE_X = 31, WEIGHT_LINE_X = 150, SIZE_LINES_Y = 330;

/* Evolution panel. */
const int EVOLUTION_LINE_X = 31, EVOLUTION_LINE1_Y = 330, EVOLUTION_LINE2_Y = 360;

/* The four drawn tabs: where they sit and their two images. */
enum TabKind { TAB_INFO, TAB_MOVES, TAB_MACHINES, TAB_EVOLUTION, TAB_COUNT };

struct TabPlace {
    int x, y;
    unsigned short imageOn, imageOff;
};

extern const TabPlace tabPlace[TAB_COUNT];

const int TAB_WIDTH = 70, TAB_HEIGHT = 28;

#endif
