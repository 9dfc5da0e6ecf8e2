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
   lines hold only blanks, or hyphens where a mark reaches just the foot of the line: after the name in
   412..416 and 478, and at the end of the line in 475, so the text stays clear of the marks. */
/* clang-format off */
static const NoteRun noteRuns[] = {
    /* 387..389 */ {0,   2,   {"Brazzik --Lv. 13--> Brazzomot",        "--Lv. 34--> Brazzagrun"}},
    /* 390..392 */ {3,   5,   {"Coilet --Lv. 18--> Coilumar",          "--Kamienna Muszla--> Coilossus"}},
    /* 393..395 */ {6,   8,   {"Puszel --Lv. 17--> Puszkrad",          "--Pióro Mędrca--> Puszmagos"}},
    /* 396..397 */ {9,   10,  {"Mycelet --Lv. 24--> Mycelorn",         " "}},
    /* 398..400 */ {11,  13,  {"Rubblit --Lv. 25--> Rubblor ---",      "Lv. 45---> Rubbrawn"}},
    /* 401..402 */ {14,  15,  {"Medulo --Lv. 28--> Medulume",          " "}},
    /* 403..404 */ {16,  17,  {"Wulfin --Lv. Up--> Wulfrost",          "Musi znać Winter Snap"}},
    /* 405..406 */ {18,  19,  {"Klakkit --Lv. 30--> Klakkuro",         " "}},
    /* 407..408 */ {20,  21,  {"Spindu --Lv. 33--> Spindurra",         " "}},
    /* 409..411 */ {22,  24,  {"Skimpa --Lv. 19--> Skimpador",         "--Lv. 41--> Skimparex"}},
    /* 412..414 */ {25,  27,  {"Tessinek      ---Lv. 23--> Tessamira", "Tessinek      ---Lv. 23--> Tessarok"}},
    /* 415..416 */ {28,  29,  {"Formikit    ----Lv. 30--> Formiregia", "Tylko forma żeńska."}},
    /* 418..419 */ {31,  32,  {"Porrib --Lv. 31--> Porrifex",          " "}},
    /* 420..421 */ {33,  34,  {"Stakki --Kredowa Bryłka--> Stakkorum", " "}},
    /* 422..423 */ {35,  36,  {"Yetilo --Lv. 34--> Yetimaruk",         " "}},
    /* 424      */ {37,  37,  {"Lampilo --Lv. 18--> Lampyrix",         " "}},
    /* 425..426 */ {38,  39,  {"Renlumi --Lv. 32--> Renmystel",        " "}},
    /* 427..428 */ {40,  41,  {"Rhombi --Lv. 29--> Rhombadune",        " "}},
    /* 429      */ {42,  42,  {"Kowadlet --Lv. 38--> Kowadrak",        " "}},
    /* 430      */ {43,  43,  {"Haylet --Lv. Up--> Haybogle",          "Musi mieć Złoty Kłos"}},
    /* 431..432 */ {44,  45,  {"Urchet --Lv. Up--> Urchaton",          "Musi znać Quill Rivet"}},
    /* 433      */ {46,  46,  {"Nimbubb <---dziecko--- Nimbarra",      "Nimbubb nie ewoluuje w Nimbarrę"}},
    /* 434..435 */ {47,  48,  {"Skitrel --Lv. 29--> Skitnoctis",       " "}},
    /* 436..437 */ {49,  50,  {"Rimelin --Lv. 37--> Rimehart",         " "}},
    /* 438..440 */ {51,  53,  {"Gibbit --Lv. 20--> Gibbrawl ---",      "Szczęście w dzień---> Gibbrutus"}},
    /* 443..445 */ {56,  58,  {"Druzik --Lv. 27--> Druzavor",          "--Lv. 52--> Druzaroth"}},
    /* 446      */ {59,  59,  {"Scutelet --Lv. 28--> Scutarro",        " "}},
    /* 447..448 */ {60,  61,  {"Ardipip --Lv. 26--> Ardeagris",        " "}},
    /* 449..450 */ {62,  63,  {"Scarbit --Lv. 24--> Scarabrax",        " "}},
    /* 451..452 */ {64,  65,  {"Limaxel --Lv. 33--> Limaxora",         " "}},
    /* 453..454 */ {66,  67,  {"Talpik --Lv. 31--> Talpagrond",        " "}},
    /* 456..457 */ {69,  70,  {"Anguiz --Lv. Up--> Anguvolt",          "Z Medulo w drużynie"}},
    /* 458      */ {71,  71,  {"Lophet --Lampa Głębin--> Lophira",     " "}},
    /* 459..460 */ {72,  73,  {"Anthelle --Flakon Rosy--> Anthoria",   " "}},
    /* 461      */ {74,  74,  {"Krukit --Lv. 32--> Krukal",             " "}},
    /* 462      */ {75,  75,  {"Cogsquire --Lv. Up--> Cogvalier",      "Musi mieć Stalową Tarczę"}},
    /* 463      */ {76,  76,  {"Bradylet --Lv. Up--> Bradypo",         "Tylko w nocy"}},
    /* 464      */ {77,  77,  {"Scorilet --Lv. Up--> Scoriak",         "Na Górze Żarnik"}},
    /* 465      */ {78,  78,  {"Nymbud --Lv. 27--> Nymphella",         " "}},
    /* 466      */ {79,  79,  {"Krupik --Lv. Up--> Krupavel",          "Musi znać Sleet Skim"}},
    /* 467      */ {80,  80,  {"Skokik --Lv. 26--> Skokarun",          " "}},
    /* 468      */ {81,  81,  {"Lullamb <---dziecko--- Lullaram",      "Lullamb nie ewoluuje w Lullarama"}},
    /* 469      */ {82,  82,  {"Mantik --Omszały Sierp--> Mantiverd",  " "}},
    /* 470..471 */ {83,  84,  {"Melesko --Lv. 29--> Melesgrund",       " "}},
    /* 472      */ {85,  85,  {"Gargit --Kamień Gzymsu--> Gargrim",    " "}},
    /* 473      */ {86,  86,  {"Narwee --Lv. Up--> Narwhelm",          "Z Klakkitem w drużynie"}},
    /* 474      */ {87,  87,  {"Orilet --Szczęście nocą--> Orikran",   " "}},
    /* 475      */ {88,  88,  {"Knuri --Lv. 38--> Knurwald        ",   "Tylko forma męska."}},
    /* 476      */ {89,  89,  {"Caprik --Lodowy Dzwonek--> Caprigrat", " "}},
    /* 477      */ {90,  90,  {"Nyxit --Lv. 35--> Nyxalis",             " "}},
    /* 478      */ {91,  91,  {"Sutorek      --Lv. 36--> Sutorella",   "Tylko forma żeńska."}},
    /* 489..490 */ {102, 103, {"Rizolet --Lv. 38--> Rizomarra",        " "}},
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
