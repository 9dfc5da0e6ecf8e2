/* The pixel format every test capture and expectation uses: 32-bit DIBs, top row first, so a
   pixel is 0x00RRGGBB at y * width + x. Shared by the in-process and the end-to-end tests. */
#ifndef ZORAVEL_TEST_TOP_DOWN_DIB_H
#define ZORAVEL_TEST_TOP_DOWN_DIB_H

#include <windows.h>

inline BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

#endif
