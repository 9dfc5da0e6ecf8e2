/* The evolution view: two lines of notes in green, with gender marks over some of them.
   The marks go first so the text is drawn over their grey. */
#include "draw/evolution_panel.h"

#include "catalogue/evolution_notes.h"
#include "draw/layout.h"
#include "draw/picture.h"
#include "draw/shapes.h"
#include "state/app_state.h"

#include <string.h>
#include <windowsx.h>

void DrawEvolutionPanel()
{
    HDC dc = GetDC(app.mainWindow);
    SetBkMode(dc, TRANSPARENT);
    HFONT fontOld = SelectFont(dc, app.textFont);
    SetTextColor(dc, EVOLUTION_TEXT_COLOUR);
    ClearLowerPanel(dc);

    EvolutionMark marks[EVOLUTION_MARKS_MAX];
    int markCount = FindEvolutionMarks(app.EntryIndex, marks);
    for (int mark = 0; mark < markCount; ++mark)
        DrawResourceImage(app.mainWindow, marks[mark].bitmapId, marks[mark].x, marks[mark].y, SCALE_SYMBOL);

    const EvolutionNote &note = FindEvolutionNote(app.EntryIndex);
    TextOutA(dc, EVOLUTION_LINE_X, EVOLUTION_LINE1_Y, note.line1, (int)strlen(note.line1));
    TextOutA(dc, EVOLUTION_LINE_X, EVOLUTION_LINE2_Y, note.line2, (int)strlen(note.line2));

    SelectFont(dc, fontOld);
    ReleaseDC(app.mainWindow, dc);
}
