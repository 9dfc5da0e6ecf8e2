/* The info view: type icons, "Typ:", height and weight in the lower panel.
   Also keeps the three-form entry's second type in step with its form. */
#include "draw/info_panel.h"

#include "catalogue/catalogue.h"
#include "draw/info_lines.h"
#include "draw/layout.h"
#include "draw/picture.h"
#include "draw/shapes.h"
#include "state/app_state.h"

#include <windowsx.h>

static const char TYPE_LABEL[] = "Typ:";

void DrawInfoPanel()
{
    unsigned slot = EntrySlot(app.EntryIndex);
    char heightLine[HEIGHT_LINE_SIZE];
    char weightLine[WEIGHT_LINE_SIZE];
    int heightLength = FormatHeightLine(heightCm[slot], heightLine);
    int weightLength = FormatWeightLine(weightTenthKg[slot], weightLine);

    HDC dc = GetDC(app.mainWindow);
    SetBkMode(dc, TRANSPARENT);
    HFONT fontOld = SelectFont(dc, app.textFont);
    SetTextColor(dc, INFO_TEXT_COLOUR);
    ClearLowerPanel(dc);

    DrawResourceImage(app.mainWindow, primaryTypeIcon[slot], TYPE_ICON1_X, TYPE_ICON_Y, SCALE_TYPE_ICON);
    /* Whatever entry is shown, so the form entry's second type is right when it is read. */
    secondaryTypeIcon[EntrySlot(FORM_ENTRY)] = formSecondaryTypeIcon[app.FormIndex];
    if (secondaryTypeIcon[slot] != 0)
        DrawResourceImage(app.mainWindow, secondaryTypeIcon[slot], TYPE_ICON2_X, TYPE_ICON_Y,
                          SCALE_TYPE_ICON);

    TextOutA(dc, TYPE_LABEL_X, TYPE_LABEL_Y, TYPE_LABEL, sizeof TYPE_LABEL - 1);
    TextOutA(dc, HEIGHT_LINE_X, SIZE_LINES_Y, heightLine, heightLength);
    TextOutA(dc, WEIGHT_LINE_X, SIZE_LINES_Y, weightLine, weightLength);

    SelectFont(dc, fontOld);
    ReleaseDC(app.mainWindow, dc);
}
