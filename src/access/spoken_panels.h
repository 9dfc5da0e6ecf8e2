/* What the window shows, as a screen reader says it: the entry, the type words, and the two drawn panels
   read in sentences. Win32-free Windows-1250 text in bounded buffers, built only when a client asks. */
#ifndef ZORAVEL_SPOKEN_PANELS_H
#define ZORAVEL_SPOKEN_PANELS_H

#include "catalogue/evolution_notes.h"

#include <stddef.h>

const int SPOKEN_TEXT_SIZE = 512; /* longer text is cut at a character, never overrun */

/* The type an icon shows, as a whole Polish word ("trawa" for the icon reading TRAWA); NULL for an id
   that is no type icon. */
const char *TypeWord(unsigned short iconId);

/* The entry as the header and the entry box show it: "394. Trasomor"; the form entry adds its form. */
int SpokenEntry(unsigned entry, int form, char (&text)[SPOKEN_TEXT_SIZE]);

/* The info panel: "Typ:" with the types as words, then the height and weight lines exactly as drawn. */
int SpokenInfoPanel(unsigned entry, int form, char (&text)[SPOKEN_TEXT_SIZE]);

/* The gender marks drawn over one line of the evolution panel. */
struct LineMarks {
    bool female;
    bool male;
};

/* The evolution panel's two lines read as sentences: the hyphen arrows as words ("A ewoluuje w B na
   poziomie 22"), a step without its first name taking the last name before it, and the gender marks of
   a line as "samica" or "samiec" beside the name whose blanks they cover. */
int SpokenEvolutionNote(const EvolutionNote &note, const LineMarks (&marks)[2],
                        char (&text)[SPOKEN_TEXT_SIZE]);

#endif
