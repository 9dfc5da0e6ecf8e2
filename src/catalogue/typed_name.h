/* Finding the entry a typed text names, and the name it begins: what the combo box's edit field holds
   when the user types instead of picking. Win32-free, so it is tested natively. */
#ifndef ZORAVEL_TYPED_NAME_H
#define ZORAVEL_TYPED_NAME_H

#include <stddef.h>

const int NO_ENTRY = -1;

/* The entry whose name the text is, or whose number ("458", or "458." as the header writes it), ignoring
   case and the blanks around it; NO_ENTRY if none. */
int EntryNamed(const char *text);

/* Whether two texts of the length are the same letters, case ignored (Polish letters as themselves). */
bool SameLetters(const char *a, const char *b, size_t length);

/* The entry whose name the typed text begins, case ignored, blanks before it skipped: a whole name first,
   else the first such name in catalogue order; NO_ENTRY for blank text or when no name begins so. */
int EntryBegun(const char *text);

#endif
