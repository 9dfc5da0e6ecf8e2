/* Evolution notes: the two text lines and the gender marks shown for an entry.
   Lines are Windows-1250 bytes; marks are drawn before the text, in table order. */
#ifndef ZORAVEL_EVOLUTION_NOTES_H
#define ZORAVEL_EVOLUTION_NOTES_H

const int EVOLUTION_LINE_MAX = 36;      /* characters on one line of the panel */
const unsigned LOOKED_UP_ENTRIES = 104; /* entries 104..106 always take the default note */

struct EvolutionNote {
    const char *line1;
    const char *line2;
};

struct EvolutionMark {
    unsigned short bitmapId;
    int x;
    int y;
};

const int EVOLUTION_MARKS_MAX = 2;

/* The note for an entry; the default "Brak" / " " for entries without one or out of range. */
const EvolutionNote &FindEvolutionNote(unsigned entryIndex);

/* Fills marks (room for EVOLUTION_MARKS_MAX) and returns how many the entry has. */
int FindEvolutionMarks(unsigned entryIndex, EvolutionMark marks[EVOLUTION_MARKS_MAX]);

#endif
