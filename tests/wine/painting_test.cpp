/* The painted window: resources, the load-draw-free sequence, the fixed layout by pixel,
   and the header's picture and number against reference renderings. */
#include "harness.h"

#include "expected_layout.h"

#include "catalogue/catalogue.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/picture.h"
#include "resource.h"
#include "state/app_state.h"

#include <windowsx.h>

struct BitmapSize {
    int width, height, bitsPerPixel;
};

static BitmapSize SizeOfResource(int id)
{
    BitmapSize size = {0, 0, 0};
    HBITMAP bitmap = (HBITMAP)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                         LR_CREATEDIBSECTION);
    if (bitmap) {
        DIBSECTION dib = {};
        GetObjectA(bitmap, sizeof dib, &dib);
        size = {dib.dsBm.bmWidth, dib.dsBm.bmHeight, dib.dsBmih.biBitCount};
        DeleteBitmap(bitmap);
    }
    return size;
}

TEST(Resources, EveryBitmapLoadsWithItsSizeAndFormatAndTheGapsAreEmpty)
{
    for (int id = 100; id <= 241; ++id) {
        SCOPED_TRACE(id);
        BitmapSize size = SizeOfResource(id);
        bool picture = (id >= IDB_PICTURE_BASE && id <= IDB_PICTURE_LAST) || id == IDB_FORM1_PICTURE ||
                       id == IDB_FORM2_PICTURE;
        bool typeIcon = id >= IDB_TYPE_INSECT && id <= IDB_TYPE_WATER;
        bool tab = (id >= IDB_TAB_INFO_OFF && id <= IDB_TAB_MACHINES_ON) || id == IDB_TAB_EVOLUTION_ON ||
                   id == IDB_TAB_EVOLUTION_OFF;
        bool symbol = id == IDB_SYMBOL_FEMALE || id == IDB_SYMBOL_MALE;
        if (picture) {
            EXPECT_EQ(size.width, 80);
            EXPECT_EQ(size.height, 80);
            EXPECT_EQ(size.bitsPerPixel, 8);
        } else if (typeIcon) {
            EXPECT_EQ(size.width, 32);
            EXPECT_EQ(size.height, 12);
            EXPECT_EQ(size.bitsPerPixel, 4);
        } else if (tab) {
            EXPECT_EQ(size.width, 35);
            EXPECT_EQ(size.height, 14);
            EXPECT_EQ(size.bitsPerPixel, 24);
        } else if (symbol) {
            EXPECT_EQ(size.width, 16);
            EXPECT_EQ(size.height, 22);
            EXPECT_EQ(size.bitsPerPixel, 8);
        } else {
            EXPECT_EQ(size.width, 0) << "no bitmap expected";
        }
    }
}

TEST(Resources, IconVersionAndManifestArePresentInTheirLanguages)
{
    HMODULE module = GetModuleHandleA(NULL);
    const WORD polish = MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT);
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    EXPECT_NE(FindResourceExA(module, RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_MAIN), polish), (HRSRC)NULL);
    EXPECT_NE(FindResourceExA(module, RT_ICON, MAKEINTRESOURCEA(1), polish), (HRSRC)NULL);
    EXPECT_NE(FindResourceExA(module, RT_ICON, MAKEINTRESOURCEA(2), polish), (HRSRC)NULL);
    EXPECT_NE(FindResourceExA(module, RT_VERSION, MAKEINTRESOURCEA(1), polish), (HRSRC)NULL);
    EXPECT_NE(FindResourceExA(module, RT_BITMAP, MAKEINTRESOURCEA(101), polish), (HRSRC)NULL);
    EXPECT_NE(FindResourceExA(module, RT_MANIFEST, MAKEINTRESOURCEA(1), english), (HRSRC)NULL);
    EXPECT_EQ(FindResourceExA(module, RT_MANIFEST, MAKEINTRESOURCEA(1), polish), (HRSRC)NULL);

    HICON big = (HICON)LoadImageA(module, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 32, 32, 0);
    HICON small = (HICON)LoadImageA(module, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 16, 16, 0);
    EXPECT_NE(big, (HICON)NULL);
    EXPECT_NE(small, (HICON)NULL);
    DestroyIcon(big);
    DestroyIcon(small);
}

/* Loading, drawing and freeing through the window, onto a background the images never use. */
class PictureTest : public ViewerTest {
  protected:
    const COLORREF MAGENTA = RGB(255, 0, 255);
    void FillMagenta(const RECT &area)
    {
        HDC dc = GetDC(app.mainWindow);
        HBRUSH brush = CreateSolidBrush(MAGENTA);
        FillRect(dc, &area, brush);
        DeleteBrush(brush);
        ReleaseDC(app.mainWindow, dc);
    }
    /* Width and height of what differs from magenta inside the area. */
    SIZE DrawnExtent(const RECT &area)
    {
        int right = area.left - 1, bottom = area.top - 1, left = area.right, top = area.bottom;
        HDC dc = GetDC(app.mainWindow);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (GetPixel(dc, x, y) != MAGENTA) {
                    left = x < left ? x : left;
                    top = y < top ? y : top;
                    right = x > right ? x : right;
                    bottom = y > bottom ? y : bottom;
                }
        ReleaseDC(app.mainWindow, dc);
        SIZE extent = {right - left + 1, bottom - top + 1};
        if (right < left)
            extent = {0, 0};
        return extent;
    }
};

TEST_F(PictureTest, ScaledSizesAreTruncatedTowardZero)
{
    const RECT area = {40, 60, 200, 200};
    struct Case {
        unsigned short id;
        float scale;
        LONG width, height;
    } cases[] = {
        {IDB_TAB_INFO_OFF, 1.5f, 52,  21 },
        {IDB_TAB_INFO_OFF, 1.0f, 35,  14 },
        {IDB_TAB_INFO_OFF, 2.0f, 70,  28 },
        {IDB_TYPE_FIRE,    2.0f, 64,  24 },
        {IDB_SYMBOL_MALE,  1.0f, 16,  22 },
        {IDB_PICTURE_BASE, 1.5f, 120, 120},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        FillMagenta(area);
        ASSERT_EQ(LoadPicture(c.id), 1);
        DrawPicture(app.mainWindow, area.left, area.top, c.scale);
        FreePicture();
        SIZE extent = DrawnExtent(area);
        EXPECT_EQ(extent.cx, c.width);
        EXPECT_EQ(extent.cy, c.height);
    }
}

TEST_F(PictureTest, MissingIdsDrawNothingAndLeaveNothingLoaded)
{
    const RECT area = {40, 60, 200, 200};
    for (unsigned short missing : {208, 209, 233, 236, 0, 65535}) {
        SCOPED_TRACE(missing);
        FillMagenta(area);
        EXPECT_EQ(LoadPicture(missing), 0);
        EXPECT_EQ(pictureBitmap, (HBITMAP)NULL);
        EXPECT_EQ(pictureDc, (HDC)NULL);
        DrawPicture(app.mainWindow, area.left, area.top, 2.0f);
        FreePicture();
        EXPECT_EQ(DrawnExtent(area).cx, 0);
        /* The next load works normally. */
        EXPECT_EQ(LoadPicture(IDB_TAB_MOVES_ON), 1);
        DrawPicture(app.mainWindow, area.left, area.top, 2.0f);
        FreePicture();
        EXPECT_EQ(DrawnExtent(area).cx, 70);
    }
}

TEST_F(PictureTest, FreeingTwiceOrWithoutALoadDoesNothing)
{
    int before = CountGdiObjects();
    FreePicture();
    FreePicture();
    EXPECT_EQ(pictureBitmap, (HBITMAP)NULL);
    EXPECT_EQ(pictureDc, (HDC)NULL);
    EXPECT_EQ(pictureDcOldBitmap, (HGDIOBJ)NULL);
    LoadPicture(IDB_PICTURE_BASE);
    EXPECT_NE(pictureBitmap, (HBITMAP)NULL);
    EXPECT_NE(pictureDc, (HDC)NULL);
    FreePicture();
    FreePicture();
    EXPECT_EQ(pictureBitmap, (HBITMAP)NULL);
    EXPECT_EQ(CountGdiObjects(), before);
}

/* The colour of each layout element at points no other drawing covers. */
struct LayoutPoint {
    const char *what;
    int x, y;
    COLORREF colour;
};

TEST_F(ViewerTest, LayoutElementsHaveTheirColoursAfterStartUp)
{
    const COLORREF casingPen = EXPECTED_CASING_PEN_COLOUR, casing = EXPECTED_CASING_COLOUR;
    const COLORREF grey = EXPECTED_PANEL_COLOUR, boxPen = EXPECTED_BOX_PEN_COLOUR, white = EXPECTED_WHITE;
    const LayoutPoint points[] = {
        {"upper frame outline",        150, 1,   casingPen},
        {"upper frame fill",           10,  100, casing   },
        {"upper frame fill below box", 150, 195, casing   },
        {"header backing, left bar",   40,  100, grey     },
        {"header backing, right bar",  262, 100, grey     },
        {"picture box outline",        54,  100, boxPen   },
        {"picture box fill",           60,  100, white    },
        {"picture box fill, left",     70,  170, white    },
        {"middle band fill",           30,  231, casing   },
        {"middle compartment outline", 60,  231, casingPen},
        {"middle compartment fill",    150, 231, casing   },
        {"lower frame fill",           10,  350, casing   },
        {"lower frame fill, bottom",   150, 450, casing   },
        {"lower panel",                250, 410, grey     },
    };
    for (const LayoutPoint &point : points)
        EXPECT_EQ(PixelAt(point.x, point.y), point.colour) << point.what;
    /* Beyond the rounded corner of the lower frame: the class background. */
    RECT client;
    GetClientRect(app.mainWindow, &client);
    EXPECT_EQ(PixelAt(client.right - 1, client.bottom - 1), white);
}

TEST_F(ViewerTest, TabsShowInfoPressedAndTheOthersRaisedAfterStartUp)
{
    EXPECT_TRUE(TabShows(35, 256, IDB_TAB_INFO_ON));
    EXPECT_TRUE(TabShows(115, 256, IDB_TAB_MOVES_OFF));
    EXPECT_TRUE(TabShows(195, 256, IDB_TAB_MACHINES_OFF));
    EXPECT_TRUE(TabShows(35, 430, IDB_TAB_EVOLUTION_OFF));
}

TEST_F(PictureTest, HeaderPictureCoversExactlyItsSquare)
{
    /* Outside the square, the header leaves magenta alone; inside, it draws everything. */
    const RECT around = {80, 48, 222, 185};
    FillMagenta(around);
    DrawHeader(app.EntryIndex + IDB_PICTURE_BASE);
    const RECT numberArea = {60, 30, 120, 57};
    FillMagenta(numberArea); /* ignore the number for the extent */
    SIZE extent = DrawnExtent(around);
    EXPECT_EQ(extent.cx, 120);
    EXPECT_EQ(extent.cy, 120);
    EXPECT_NE(PixelAt(91, 57), MAGENTA);
    EXPECT_NE(PixelAt(210, 176), MAGENTA);
    EXPECT_EQ(PixelAt(90, 100), MAGENTA);
    EXPECT_EQ(PixelAt(211, 100), MAGENTA);
    EXPECT_EQ(PixelAt(150, 177), MAGENTA);
}

TEST_F(ViewerTest, HeaderShowsTheSelectedPicture)
{
    EXPECT_TRUE(HeaderShowsPicture(IDB_PICTURE_BASE));
    SelectEntry(106);
    EXPECT_TRUE(HeaderShowsPicture(IDB_PICTURE_LAST));
    SelectEntry(FORM_ENTRY);
    EXPECT_TRUE(HeaderShowsPicture(IDB_PICTURE_BASE + FORM_ENTRY));
    /* The form button's clicks show the other two forms' pictures, then the first again. */
    const unsigned short formPictures[] = {IDB_FORM1_PICTURE, IDB_FORM2_PICTURE,
                                           IDB_PICTURE_BASE + FORM_ENTRY};
    for (unsigned short picture : formPictures) {
        ClickFormButton();
        EXPECT_TRUE(HeaderShowsPicture(picture)) << "form " << app.FormIndex;
    }
}

/* "387." in the system font, as a window DC draws it by default, rendered off-screen. */
static ::testing::AssertionResult HeaderNumberIs(const char *number)
{
    HDC dc = GetDC(app.mainWindow);
    HDC memory = CreateCompatibleDC(dc);
    const int width = 48, height = 18; /* the combo box starts at x 120 */
    HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ canvasOld = SelectObject(memory, canvas);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, GetStockBrush(WHITE_BRUSH));
    SIZE textSize = {};
    GetTextExtentPoint32A(memory, number, 4, &textSize);
    TextOutA(memory, 0, 0, number, 4);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    int inkPixels = 0;
    for (int y = 0; y < height && result; ++y)
        for (int x = 0; x < width && result; ++x) {
            COLORREF expected = GetPixel(memory, x, y);
            COLORREF seen = GetPixel(dc, 70 + x, 39 + y);
            inkPixels += expected == RGB(0, 0, 0);
            /* Right of the text only the picture box's white may show: no stray character. */
            if (seen != expected)
                result = ::testing::AssertionFailure()
                         << "number differs at (" << 70 + x << "," << 39 + y << ")";
        }
    if (result && inkPixels < 20)
        result = ::testing::AssertionFailure() << "reference has no ink";
    SelectObject(memory, canvasOld);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(app.mainWindow, dc);
    return result;
}

TEST_F(ViewerTest, HeaderNumberIsThreeDigitsAndAFullStopInTheSystemFont)
{
    EXPECT_TRUE(HeaderNumberIs("387."));
    SelectEntry(106);
    EXPECT_TRUE(HeaderNumberIs("493."));
    SelectEntry(FORM_ENTRY);
    EXPECT_TRUE(HeaderNumberIs("413."));
}
