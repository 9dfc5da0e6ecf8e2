/* Finding the entry a typed text names: what the combo box's edit field holds when the user
   types instead of picking. Win32-free, so it is tested natively. */
#ifndef ZORAVEL_TYPED_NAME_H
#define ZORAVEL_TYPED_NAME_H

const int NO_ENTRY = -1;

/* The entry whose name the text is, ignoring case and the blanks around it; NO_ENTRY if none. */
int EntryNamed(const char *text);

#endif
