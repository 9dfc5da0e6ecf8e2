/* Test harness for the real window under Wine: start and stop the viewer in-process,
   send it what a user's actions send, and read back pixels and control contents. */
#ifndef ZORAVEL_TEST_HARNESS_H
#define ZORAVEL_TEST_HARNESS_H

#include <windows.h>

#include "draw/layout.h"
#include "expected_panels.h"
#include "top_down_dib.h"

#include <stdint.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

/* Runs the start-up steps of the program (without its message loop) and pumps the queue. */
void StartViewer();
/* Destroys the window, drains its quit message and unregisters the class. */
void StopViewer();
/* Dispatches whatever is queued for this thread; returns the WM_QUIT exit code seen, or -1. */
int PumpMessages();

/* What the user's actions send to the main window. */
void ClickAt(int x, int y);
void SelectEntry(int entryIndex); /* a mouse pick: SELENDOK, CLOSEUP, SELCHANGE */
void SendComboNotification(int notification);
void ClickFormButton();
/* A click in the middle of a drawn tab. */
void ClickTab(TabKind tab);
void RepaintNow();
/* A key through the message queue to the focused control, with the modifiers held in the keyboard's
   state: the message loop and that state decide what it does. */
void PressQueuedKey(WPARAM virtualKey, bool shift, bool control, bool alt = false);

/* The view whose flag is set (info when none is). */
TabKind ShownView();

COLORREF PixelAt(int x, int y);
std::vector<std::string> ListBoxLines();
bool ListBoxVisible();
bool FormButtonVisible();

/* The client area as 32-bit pixels, read through a DIB section so comparisons are cheap. */
struct Capture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    COLORREF At(int x, int y) const
    {
        uint32_t bgr = pixels[(size_t)y * width + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
};

/* A memory DC holding a top-down 32-bit DIB of the client area's size. */
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ bitmapOld;
    uint32_t *bits;
    int width, height;
};

Canvas OpenCanvas();
/* The canvas's pixels, and the canvas deleted. */
Capture CloseCanvas(Canvas &canvas);
/* What the window's client area shows now. */
Capture CaptureWindow();

/* Live GDI objects of this process (GetGuiResources is a stub under Wine). */
int CountGdiObjects();

/* True when every pixel of the rectangle has the colour; reports the first mismatch. */
::testing::AssertionResult AreaHasColour(const RECT &area, COLORREF colour);

/* Every pixel of the image at (left, top) equals the bitmap's, repeated scale times. */
::testing::AssertionResult ImageShows(int left, int top, unsigned short id, int scale);
/* Every pixel of the 70x28 tab at (x, y) equals the bitmap's pixel, doubled. */
::testing::AssertionResult TabShows(int tabX, int tabY, unsigned short id);

/* The header picture: exactly (91,57)..(210,176), each picture pixel shown 1 or 2 times. */
::testing::AssertionResult HeaderShowsPicture(unsigned short id);
/* The text drawn with TextOutW in the text font on the panel's grey (with the given gender marks
   beneath it), compared pixel by pixel with the window over the text's extent and a margin. */
::testing::AssertionResult PanelTextIs(int x, int y, const std::wstring &text, COLORREF colour,
                                       const ExpectedMark *marks = NULL, int markCount = 0);

/* The info panel's label and size lines, and the evolution panel's two lines with their marks, as the
   expected sample states them for the entry. */
::testing::AssertionResult InfoTextsShow(int entry);
::testing::AssertionResult EvolutionTextsShow(int entry);

class ViewerTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        StartViewer();
    }
    void TearDown() override
    {
        StopViewer();
    }
};

#endif
