/* The main window's procedure, the one dispatcher of the viewer, and the window's fit to its layout.
   Registered with the window class at start-up; everything after the start runs through it. */
#ifndef ZORAVEL_WINDOW_PROC_H
#define ZORAVEL_WINDOW_PROC_H

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* Grows the window until its client area holds the layout; never shrinks it. */
void FitLayoutInClientArea();

#endif
