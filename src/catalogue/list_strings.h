/* The two kinds of list string: finding separators and walking elements into lines.
   Win32-free: the lines go to a callback, which the list box code turns into LB_ADDSTRING. */
#ifndef ZORAVEL_LIST_STRINGS_H
#define ZORAVEL_LIST_STRINGS_H

const int LIST_ELEMENT_BUFFER = 52; /* an element of up to 51 bytes and its terminator */

/* The line between the TM and the HM part of every machines listing: 34 hyphens. */
extern const char SEPARATOR_LINE[];

/* Index of the first ';' at or after start, or -1 when the string ends first. */
int FindSeparator(const char *text, unsigned start);

typedef void (*ListLineSink)(const char *line, void *context);

/* Each element of a move list becomes one line, as stored. */
void WalkMoveList(const char *text, ListLineSink sink, void *context);

/* TM labels, the separator line, then HM labels (tmLabel / hmLabel of the catalogue). */
void WalkMachineList(const char *text, ListLineSink sink, void *context);

#endif
