/* The evolution notes of the catalogue: two lines per family and the gender marks over them.
   Written in UTF-8 here; the compiler stores them as Windows-1250 bytes. */
#include "catalogue/evolution_notes.h"

#include "resource.h"

/* One note shared by a run of neighbouring entries (one family). */
struct NoteRun {
    unsigned first;
    unsigned last;
    EvolutionNote note;
};

/* One gender mark for a run of entries. */
struct MarkRun {
    unsigned first;
    unsigned last;
    EvolutionMark mark;
};

static const EvolutionNote defaultNote = {"Brak", " "};

/* Entries 30, 54, 55, 68 and 92..101 never evolve and have no run. Under the gender marks the first
   lines hold only blanks where a mark covers them: after the name in 412..416 and 478, and after the
   middle stage in 475, so the text stays clear of the marks. */
/* clang-format off */
static const NoteRun noteRuns[] = {
    /* 387..388 */ {0,   1,   {"Talpik --Lv. 22--> Talpagrond",         " "}},
    /* 389 */      {2,   2,   {"Motek --Lv. 18--> Wietrzyk",            " "}},
    /* 390..391 */ {3,   4,   {"Medulo --Lv. 20--> Medulume",           " "}},
    /* 392..394 */ {5,   7,   {"Trasik --Lv. 13--> Trasella",           "--Lv. 29--> Trasomor"}},
    /* 395 */      {8,   8,   {"Chmurek <---dziecko--- Chmurzak",       "Chmurek nie ewoluuje w Chmurzaka"}},
    /* 396..397 */ {9,   10,  {"Hubik --Lv. 16--> Hubostol",            " "}},
    /* 398..400 */ {11,  13,  {"Murek --Lv. 19--> Murowal",             "--Lv. 42--> Murogrom"}},
    /* 401 */      {14,  14,  {"Lophet --Lv. 34--> Lophira",            " "}},
    /* 402..403 */ {15,  16,  {"Szronik --Lv. 24--> Szronostaj",        " "}},
    /* 404..406 */ {17,  19,  {"Pylik --Lv. 14--> Pylowir",             "--Lv. 31--> Pylozawier"}},
    /* 407 */      {20,  20,  {"Kowadlet --Lv. Up--> Kowadrak",         "Na Górze Dymnicy"}},
    /* 408 */      {21,  21,  {"Haylet --Lv. Up--> Haybogle",           "Musi mieć Złoty Kłos"}},
    /* 409..411 */ {22,  24,  {"Skitlik --Lv. 15--> Skitrel",           "--Lv. 33--> Skitnoctis"}},
    /* 412..414 */ {25,  27,  {"Tessinek      ---Lv. 23--> Tessamira",  "Tessinek      ---Lv. 23--> Tessarok"}},
    /* 415..416 */ {28,  29,  {"Humulik    ----Lv. 30--> Humulara",     "Tylko forma żeńska."}},
    /* 418..420 */ {31,  33,  {"Kazurek --Lv. 20--> Kazuarin",          "--Szczęście w dzień--> Kazuarok"}},
    /* 421..422 */ {34,  35,  {"Porrib --Lv. 21--> Porrifex",           " "}},
    /* 423 */      {36,  36,  {"Listnik --Kolec Głogu--> Modlik",       " "}},
    /* 424..426 */ {37,  39,  {"Skimpa --Lv. 17--> Skimpador",          "--Lv. 36--> Skimparex"}},
    /* 427 */      {40,  40,  {"Rurek --Lv. Up--> Pompak",              "Musi mieć Skórzaną Uszczelkę"}},
    /* 428..429 */ {41,  42,  {"Stakki --Kreda--> Stakkorum",           " "}},
    /* 430..432 */ {43,  45,  {"Coilet --Lv. 19--> Coilumar",           "--Kamienna Muszla--> Coilidor"}},
    /* 433..434 */ {46,  47,  {"Rhombi --Lv. 15--> Rhombadune",         " "}},
    /* 435 */      {48,  48,  {"Lullamb <---dziecko--- Lullaram",       "Lullamb nie ewoluuje w Lullarama"}},
    /* 436..438 */ {49,  51,  {"Wulfin --Lv. 22--> Wulfar",             "--Lv. 33--> Wulfrost"}},
    /* 439..440 */ {52,  53,  {"Beczik --Lv. 20--> Beczkowal",          " "}},
    /* 443 */      {56,  56,  {"Lampilo --Lv. Up--> Lampyrix",          "Tylko w nocy"}},
    /* 444..445 */ {57,  58,  {"Lorik --Lv. 26--> Lorizar",              " "}},
    /* 446..448 */ {59,  61,  {"Wiklik --Lv. 16--> Wiklogon",           "--Lv. 34--> Wiklomar"}},
    /* 449 */      {62,  62,  {"Skokik <---dziecko--- Skokarun",        "Skokik nie ewoluuje w Skokaruna"}},
    /* 450..451 */ {63,  64,  {"Dipsik --Lv. 22--> Dipsakor",           " "}},
    /* 452..454 */ {65,  67,  {"Scarmik --Lv. 17--> Scarbit",           "--Lv. 32--> Scarabrax"}},
    /* 456..458 */ {69,  71,  {"Jantik --Lv. 20--> Jantarel",           "--Lv. 38--> Jantarok"}},
    /* 459 */      {72,  72,  {"Nymbud --Lv. 27--> Nymphella",          " "}},
    /* 460..461 */ {73,  74,  {"Urchet --Lv. Up--> Urchaton",           "Musi znać Quill Discharge"}},
    /* 462..464 */ {75,  77,  {"Rimelin --Lv. 22--> Rimerog",           "--Lv. 34--> Rimehart"}},
    /* 465..467 */ {78,  80,  {"Ardipip --Lv. 17--> Ardebrod",          "--Lv. 29--> Ardeagris"}},
    /* 468..470 */ {81,  83,  {"Rizolet --Lv. 12--> Rizopal",           "--Lv. 31--> Rizomarra"}},
    /* 471..472 */ {84,  85,  {"Melesko --Lv. 28--> Melesgrund",        " "}},
    /* 473..475 */ {86,  88,  {"Mirunek --Lv. 22--> Mirunda     ",      "--Lv. 38--> Mirungor"}},
    /* 476 */      {89,  89,  {"Bradypo <---dziecko--- Bradygor",       "Bradypo nie ewoluuje w Bradygora"}},
    /* 477..478 */ {90,  91,  {"Sutorek      --Lv. 23--> Sutorella",    "Tylko forma żeńska."}},
    /* 489 */      {102, 102, {"Scutelet --Lv. 28--> Scutarro",         " "}},
    /* 490 */      {103, 103, {"Orilet --Szczęście nocą--> Orikran",    " "}},
};
/* clang-format on */

/* Drawn in this order, before the text. */
/* clang-format off */
static const MarkRun markRuns[] = {
    /* 412..414 */ {25, 27, {IDB_SYMBOL_FEMALE, 110, 311}},
    /* 412..414 */ {25, 27, {IDB_SYMBOL_MALE,   110, 341}},
    /* 415..416 */ {28, 29, {IDB_SYMBOL_FEMALE, 110, 311}},
    /* 475      */ {88, 88, {IDB_SYMBOL_MALE,   210, 321}},
    /* 478      */ {91, 91, {IDB_SYMBOL_FEMALE, 83,  320}},
};
/* clang-format on */

const EvolutionNote &FindEvolutionNote(unsigned entryIndex)
{
    if (entryIndex >= LOOKED_UP_ENTRIES) {
        return defaultNote;
    }
    for (const NoteRun &run : noteRuns) {
        if (entryIndex >= run.first && entryIndex <= run.last) {
            return run.note;
        }
    }
    return defaultNote;
}

int FindEvolutionMarks(unsigned entryIndex, EvolutionMark marks[EVOLUTION_MARKS_MAX])
{
    int count = 0;
    for (const MarkRun &run : markRuns) {
        if (entryIndex >= run.first && entryIndex <= run.last && count < EVOLUTION_MARKS_MAX) {
            marks[count] = run.mark;
            ++count;
        }
    }
    return count;
}
