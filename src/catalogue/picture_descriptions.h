/* What each header picture shows, in one Polish sentence: the words a screen reader says for it.
   Windows-1250 bytes, like every text of the catalogue; read only when a client asks. */
#ifndef ZORAVEL_PICTURE_DESCRIPTIONS_H
#define ZORAVEL_PICTURE_DESCRIPTIONS_H

#include "catalogue/catalogue.h"

/* Entry by entry, in catalogue order; the form entry's row describes its first form. */
extern const char *const pictureDescription[ENTRY_COUNT];

/* The form entry's picture per form; form 0 shares its text with pictureDescription[FORM_ENTRY]. */
extern const char *const formPictureDescription[FORM_COUNT];

#endif
