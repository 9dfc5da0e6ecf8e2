/* What a screen reader must say for the window, written out here by hand: the tabs' names, the types'
   words, and the evolution panel of a sample of entries read as sentences. */
#ifndef ZORAVEL_TEST_EXPECTED_SPEECH_H
#define ZORAVEL_TEST_EXPECTED_SPEECH_H

#include "resource.h"

/* In the order info, moves, machines, evolution (the order of expectedTab). */
const wchar_t *const expectedTabNames[4] = {L"Opis", L"Ataki", L"TM i HM", L"Ewolucja"};

/* The word each type icon's cut word stands for. */
struct ExpectedType {
    unsigned short iconId;
    const wchar_t *word;
};

/* clang-format off */
const ExpectedType expectedTypeWords[] = {
    {IDB_TYPE_INSECT,   L"robak"        }, /* ROBAK */
    {IDB_TYPE_DARK,     L"mrok"         }, /* MROK */
    {IDB_TYPE_DRAGON,   L"smok"         }, /* SMOK */
    {IDB_TYPE_ELECTRIC, L"elektryczność"}, /* ELEKTR */
    {IDB_TYPE_FIGHTING, L"walka"        }, /* WALKA */
    {IDB_TYPE_FIRE,     L"ogień"        }, /* OGIEN */
    {IDB_TYPE_FLYING,   L"lot"          }, /* LOT */
    {IDB_TYPE_GHOST,    L"duch"         }, /* DUCH */
    {IDB_TYPE_GRASS,    L"trawa"        }, /* TRAWA */
    {IDB_TYPE_GROUND,   L"ziemia"       }, /* ZIEMIA */
    {IDB_TYPE_ICE,      L"lód"          }, /* LOD */
    {IDB_TYPE_NORMAL,   L"normalny"     }, /* NORMAL */
    {IDB_TYPE_PSYCHIC,  L"psychika"     }, /* PSYCHO */
    {IDB_TYPE_ROCK,     L"kamień"       }, /* KAMIEN */
    {IDB_TYPE_STEEL,    L"stal"         }, /* STAL */
    {IDB_TYPE_POISON,   L"trucizna"     }, /* TRUCIZ */
    {IDB_TYPE_WATER,    L"woda"         }, /* WODA */
};
/* clang-format on */

inline const wchar_t *ExpectedTypeWord(unsigned short iconId)
{
    for (const ExpectedType &type : expectedTypeWords)
        if (type.iconId == iconId)
            return type.word;
    return L"";
}

/* The evolution panel heard for entries of the panel sample (expected_panels.h holds their drawn
   lines): arrows as words, a continued step named from the line before, gender marks as words.
   Restate with the sample. */
struct ExpectedEvolutionSpeech {
    int entry;
    const wchar_t *speech;
};

/* clang-format off */
const ExpectedEvolutionSpeech expectedEvolutionSpeech[] = {
    {0,   L"Kopik ewoluuje w Kopalnik na poziomie 22"                                                               }, /* 387 */
    {5,   L"Trasik ewoluuje w Traszyn na poziomie 13. Traszyn ewoluuje w Trasomor na poziomie 29"                   }, /* 392 */
    {8,   L"Pierzynek ewoluuje w Pierzyniak z przedmiotem Poszewka"                                                 }, /* 395 */
    {25,  L"Kafelek, samica, ewoluuje w Kafelica na poziomie 23. Kafelek, samiec, ewoluuje w Kafelun na poziomie 23"}, /* 412 */
    {28,  L"Chmielik, samica, ewoluuje w Chmielina na poziomie 30. Tylko forma żeńska."                             }, /* 415 */
    {30,  L"Brak"                                                                                                   }, /* 417 */
    {31,  L"Kazuarek ewoluuje w Kazuaryn na poziomie 20. Kazuaryn ewoluuje w Kazuarog na poziomie 38"               }, /* 418 */
    {88,  L"Foczek ewoluuje w Foczan, samiec, na poziomie 22. Foczan ewoluuje w Foczysko na poziomie 38"            }, /* 475 */
    {91,  L"Nitek, samica, ewoluuje w Nitkarka po awansie na kolejny poziom. Musi mieć Pajęczą Przędzę"             }, /* 478 */
    {103, L"Skladek ewoluuje w Zurawik dzięki szczęściu. Tylko w nocy"                                              }, /* 490 */
};
/* clang-format on */

#endif
