/* Drawing a bitmap resource: load it into a memory DC, stretch it onto the window, free it.
   One slot only: every caller runs load, draw and free back to back. */
#ifndef ZORAVEL_PICTURE_H
#define ZORAVEL_PICTURE_H

#include <windows.h>

extern HBITMAP pictureBitmap;
extern HDC pictureDc;
extern HGDIOBJ pictureDcOldBitmap;

int LoadPicture(unsigned short id);
void DrawPicture(HWND window, int x, int y, float scale);
void FreePicture();

/* The whole sequence for one image. */
void DrawResourceImage(HWND window, unsigned short id, int x, int y, float scale);

#endif
