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
   gender mark, the three-form entry and its neighbours, entries without a note, and the entry with the
   longest move list. */
/* clang-format off */
const ExpectedPanel expectedPanels[] = {
    {0,   L"Wzrost: 22 cm",   L"Masa: 2,8 kg",     L"Kopik --Lv. 22--> Kopalnik",           L" "                                  }, /* 387 */
    {2,   L"Wzrost: 90 cm",   L"Masa: 1,5 kg",     L"Motek --Lv. 18--> Wietrzyk",           L" "                                  }, /* 389 */
    {3,   L"Wzrost: 40 cm",   L"Masa: 2,0 kg",     L"Parzyk --Lv. 20--> Parzyblask",        L" "                                  }, /* 390 */
    {5,   L"Wzrost: 25 cm",   L"Masa: 1,2 kg",     L"Trasik --Lv. 13--> Traszyn",           L"--Lv. 29--> Trasomor"               }, /* 392 */
    {7,   L"Wzrost: 80 cm",   L"Masa: 14,0 kg",    L"Trasik --Lv. 13--> Traszyn",           L"--Lv. 29--> Trasomor"               }, /* 394 */
    {8,   L"Wzrost: 20 cm",   L"Masa: 0,3 kg",     L"Pierzynek --Poszewka--> Pierzyniak",   L" "                                  }, /* 395 */
    {13,  L"Wzrost: 210 cm",  L"Masa: 700,0 kg",   L"Murek --Lv. 19--> Murowal",            L"--Lv. 42--> Murogrom"               }, /* 400 */
    {14,  L"Wzrost: 120 cm",  L"Masa: 18,0 kg",    L"Podkamyk --Lv. 34--> Podlodek",       L" "                                  }, /* 401 */
    {25,  L"Wzrost: 22 cm",   L"Masa: 0,5 kg",     L"Kafelek       ----Lv. 23--> Kafelica", L"Kafelek       ----Lv. 23--> Kafelun"}, /* 412 */
    {26,  L"Wzrost: 48 cm",   L"Masa: 7,0 kg",     L"Kafelek       ----Lv. 23--> Kafelica", L"Kafelek       ----Lv. 23--> Kafelun"}, /* 413 */
    {27,  L"Wzrost: 60 cm",   L"Masa: 9,5 kg",     L"Kafelek       ----Lv. 23--> Kafelica", L"Kafelek       ----Lv. 23--> Kafelun"}, /* 414 */
    {28,  L"Wzrost: 60 cm",   L"Masa: 1,2 kg",     L"Chmielik    ----Lv. 30--> Chmielina",  L"Tylko forma żeńska."                }, /* 415 */
    {30,  L"Wzrost: 35 cm",   L"Masa: 1,2 kg",     L"Brak",                                 L" "                                  }, /* 417 */
    {31,  L"Wzrost: 40 cm",   L"Masa: 3,0 kg",     L"Kazuarek --Lv. 20--> Kazuaryn",        L"--Lv. 38--> Kazuarog"               }, /* 418 */
    {62,  L"Wzrost: 35 cm",   L"Masa: 14,0 kg",    L"Skibek --Lv. 24--> Skibor",            L" "                                  }, /* 449 */
    {88,  L"Wzrost: 275 cm",  L"Masa: 360,0 kg",   L"Foczek --Lv. 22--> Foczan       ",     L"--Lv. 38--> Foczysko"               }, /* 475 */
    {91,  L"Wzrost: 25 cm",   L"Masa: 1,1 kg",     L"Nitek         --Lv. Up--> Nitkarka",   L"Musi mieć Pajęczą Przędzę"          }, /* 478 */
    {103, L"Wzrost: 130 cm",  L"Masa: 3,5 kg",     L"Skladek --Szczęście--> Zurawik",       L"Tylko w nocy"                       }, /* 490 */
    {106, L"Wzrost: 530 cm",  L"Masa: 420,0 kg",   L"Brak",                                 L" "                                  }, /* 493 */
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
