/* What the info and evolution panels should say for a sample of entries, written out here from the
   catalogue's content by hand, so that a fault in the program's formatting or lookup cannot pass. */
#ifndef ZORAVEL_TEST_EXPECTED_PANELS_H
#define ZORAVEL_TEST_EXPECTED_PANELS_H

#include "resource.h"

struct ExpectedPanel {
    int entry;
    const wchar_t *heightLine;
    const wchar_t *weightLine;
    const wchar_t *evolutionLine1;
    const wchar_t *evolutionLine2;
};

/* Restate these rows whenever the catalogue's content changes: one entry per row, its number at the end.
   The sample holds one and two types, weights under a kilogram and whole kilograms, every kind of
   gender mark, the three-form entry and its neighbours, and entries without a note. */
/* clang-format off */
const ExpectedPanel expectedPanels[] = {
    {0,   L"Wzrost: 25 cm",  L"Masa: 6,0 kg",   L"Talpik --Lv. 22--> Talpagrond",        L" "                                  }, /* 387 */
    {2,   L"Wzrost: 70 cm",  L"Masa: 3,1 kg",   L"Krukit --Lv. 32--> Krukal",            L" "                                  }, /* 389 */
    {3,   L"Wzrost: 30 cm",  L"Masa: 1,2 kg",   L"Medulo --Lv. 20--> Medulume",          L" "                                  }, /* 390 */
    {5,   L"Wzrost: 30 cm",  L"Masa: 4,2 kg",   L"Sadzik --Lv. 18--> Sadzarek",          L"--Lv. 30--> Sadzowar"               }, /* 392 */
    {7,   L"Wzrost: 160 cm", L"Masa: 110,0 kg", L"Sadzik --Lv. 18--> Sadzarek",          L"--Lv. 30--> Sadzowar"               }, /* 394 */
    {8,   L"Wzrost: 20 cm",  L"Masa: 0,3 kg",   L"Chmurek <---dziecko--- Chmurzak",      L"Chmurek nie ewoluuje w Chmurzaka"   }, /* 395 */
    {14,  L"Wzrost: 120 cm", L"Masa: 88,0 kg",  L"Lophet --Lv. Up--> Lophira",           L"Z Medulo w drużynie"                }, /* 401 */
    {25,  L"Wzrost: 22 cm",  L"Masa: 0,5 kg",   L"Tessinek      ---Lv. 23--> Tessamira", L"Tessinek      ---Lv. 23--> Tessarok"}, /* 412 */
    {26,  L"Wzrost: 48 cm",  L"Masa: 7,0 kg",   L"Tessinek      ---Lv. 23--> Tessamira", L"Tessinek      ---Lv. 23--> Tessarok"}, /* 413 */
    {27,  L"Wzrost: 60 cm",  L"Masa: 9,5 kg",   L"Tessinek      ---Lv. 23--> Tessamira", L"Tessinek      ---Lv. 23--> Tessarok"}, /* 414 */
    {28,  L"Wzrost: 40 cm",  L"Masa: 7,0 kg",   L"Formikit    ----Lv. 30--> Formiregia", L"Tylko forma żeńska."                }, /* 415 */
    {30,  L"Wzrost: 35 cm",  L"Masa: 13,0 kg",  L"Brak",                                 L" "                                  }, /* 417 */
    {31,  L"Wzrost: 50 cm",  L"Masa: 11,5 kg",  L"Lianik --Lv. 15--> Lianowiec",         L"--Szczęście w dzień--> Lianogrom"   }, /* 418 */
    {62,  L"Wzrost: 40 cm",  L"Masa: 5,0 kg",   L"Skokik <---dziecko--- Skokarun",       L"Skokik nie ewoluuje w Skokaruna"    }, /* 449 */
    {88,  L"Wzrost: 120 cm", L"Masa: 165,0 kg", L"Knuri --Lv. 21--> Knurek           ",  L"--Lv. 33--> Knurwald"               }, /* 475 */
    {91,  L"Wzrost: 25 cm",  L"Masa: 1,1 kg",   L"Sutorek      --Lv. 23--> Sutorella",   L"Tylko forma żeńska."                }, /* 478 */
    {103, L"Wzrost: 130 cm", L"Masa: 3,5 kg",   L"Orilet --Szczęście nocą--> Orikran",   L" "                                  }, /* 490 */
    {106, L"Wzrost: 520 cm", L"Masa: 740,0 kg", L"Brak",                                 L" "                                  }, /* 493 */
};
/* clang-format on */

const int EXPECTED_PANEL_COUNT = sizeof expectedPanels / sizeof expectedPanels[0];

/* The sample's row of an entry, or NULL when the entry is not in the sample. */
inline const ExpectedPanel *FindExpectedPanel(int entry)
{
    for (const ExpectedPanel &panel : expectedPanels)
        if (panel.entry == entry)
            return &panel;
    return NULL;
}

/* The gender marks, which belong to fixed entries whatever the catalogue's notes say. */
struct ExpectedMark {
    unsigned short bitmapId;
    int x, y;
};

inline int ExpectedMarks(int entry, ExpectedMark marks[2])
{
    if (entry >= 25 && entry <= 27) {
        marks[0] = {IDB_SYMBOL_FEMALE, 110, 311};
        marks[1] = {IDB_SYMBOL_MALE, 110, 341};
        return 2;
    }
    if (entry == 28 || entry == 29) {
        marks[0] = {IDB_SYMBOL_FEMALE, 110, 311};
        return 1;
    }
    if (entry == 88) {
        marks[0] = {IDB_SYMBOL_MALE, 210, 321};
        return 1;
    }
    if (entry == 91) {
        marks[0] = {IDB_SYMBOL_FEMALE, 83, 320};
        return 1;
    }
    return 0;
}

#endif
