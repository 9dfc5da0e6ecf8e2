/* The creature catalogue: per-entry tables, machine labels and the three-form entry.
   Filled by InitCatalogue; later only the form entry's move list and second type change to the form shown. */
#ifndef ZORAVEL_CATALOGUE_H
#define ZORAVEL_CATALOGUE_H

const int ENTRY_COUNT = 107;
const int ENTRY_SLOTS = ENTRY_COUNT + 1; /* entry i lives in slot i + 1; slot 0 stays zero */
const int FIRST_NUMBER = 387;            /* catalogue number of entry 0 */
const int TM_COUNT = 92;
const int HM_COUNT = 8;
const int FORM_ENTRY = 26; /* the one entry with three forms */
const int FORM_COUNT = 3;

/* Slot of an entry in the per-entry tables. */
inline unsigned EntrySlot(unsigned entryIndex)
{
    return entryIndex + 1;
}

extern const char *moveListText[ENTRY_SLOTS];
extern const char *machineListText[ENTRY_SLOTS];
extern int heightCm[ENTRY_SLOTS];
extern int weightTenthKg[ENTRY_SLOTS];
extern unsigned short primaryTypeIcon[ENTRY_SLOTS];
extern unsigned short secondaryTypeIcon[ENTRY_SLOTS];

extern const char *tmLabel[TM_COUNT + 1];
extern const char *hmLabel[HM_COUNT + 1];

extern const unsigned short formPicture[FORM_COUNT];
extern const unsigned short formSecondaryTypeIcon[FORM_COUNT];
extern const char *const formMoveListText[FORM_COUNT];

/* Names in catalogue order, as the combo box lists them. */
extern const char *const entryName[ENTRY_COUNT];

void InitCatalogue();

#endif
