/* Bitmap resources onto the main window, through one loaded-picture slot.
   Nothing is cached: each image is loaded for its draw and released right after. */
#include "draw/picture.h"

#include "state/app_state.h"

#include <windowsx.h>

HBITMAP pictureBitmap;
HDC pictureDc;
HGDIOBJ pictureDcOldBitmap;

int LoadPicture(unsigned short id)
{
    pictureBitmap = LoadBitmapA(app.instance, MAKEINTRESOURCEA(id));
    if (!pictureBitmap)
        return 0;
    pictureDc = CreateCompatibleDC(NULL);
    if (!pictureDc) {
        FreePicture();
        return 0;
    }
    pictureDcOldBitmap = SelectObject(pictureDc, pictureBitmap);
    return 1;
}

void DrawPicture(HWND window, int x, int y, float scale)
{
    /* With nothing loaded the query fails, the size stays 0 and nothing is copied. */
    BITMAP bitmap = {};
    GetObjectA(pictureBitmap, sizeof bitmap, &bitmap);
    HDC dc = GetDC(window);
    int height = (int)(bitmap.bmHeight * (double)scale);
    int width = (int)(bitmap.bmWidth * (double)scale);
    StretchBlt(dc, x, y, width, height, pictureDc, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
    ReleaseDC(window, dc);
}

void FreePicture()
{
    if (pictureDc) {
        SelectObject(pictureDc, pictureDcOldBitmap);
        DeleteDC(pictureDc);
    }
    DeleteBitmap(pictureBitmap);
    pictureBitmap = NULL;
    pictureDc = NULL;
    pictureDcOldBitmap = NULL;
}

void DrawResourceImage(HWND window, unsigned short id, int x, int y, float scale)
{
    LoadPicture(id);
    DrawPicture(window, x, y, scale);
    FreePicture();
}
