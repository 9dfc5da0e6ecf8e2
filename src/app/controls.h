/* The main window's three child controls: the entry box, the move list box and the form button.
   Created once, after the first paint; the process's exit frees them with the text font. */
#ifndef ZORAVEL_CONTROLS_H
#define ZORAVEL_CONTROLS_H

void CreateControls();

#endif
