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

/* Entries 30, 54, 55, 68 and 92..101 never evolve and have no run. The blanks and hyphens in the
   first lines of 412..416, 475 and 478 keep the text clear of the gender marks drawn over it. */
/* clang-format off */
static const NoteRun noteRuns[] = {
    /* 387..389 */ {0,   2,   {"Cindrel --Lv. 16--> Cindravel",        "--Lv. 36--> Cindragor"}},
    /* 390..392 */ {3,   5,   {"Coilet --Lv. 18--> Coilumar",          "--Kamienna Muszla--> Coilossus"}},
    /* 393..395 */ {6,   8,   {"Hooblet --Lv. 17--> Hoobrow",          "--Pióro Mędrca--> Hoobrahan"}},
    /* 396..397 */ {9,   10,  {"Mycelet --Lv. 24--> Mycelorn",         " "}},
    /* 398..400 */ {11,  13,  {"Rubblit --Lv. 25--> Rubblor ---",      "Lv. 45---> Rubbrawn"}},
    /* 401..402 */ {14,  15,  {"Medulo --Lv. 28--> Medulume",          " "}},
    /* 403..404 */ {16,  17,  {"Wulfin --Lv. Up--> Wulfrost",          "Musi znać Rime Fang"}},
    /* 405..406 */ {18,  19,  {"Klakkit --Lv. 30--> Klakkuro",         " "}},
    /* 407..408 */ {20,  21,  {"Spindu --Lv. 33--> Spindurra",         " "}},
    /* 409..411 */ {22,  24,  {"Chirrit --Lv. 22--> Chirrofang",       "--Szczęście nocą--> Chirrdusk"}},
    /* 412..414 */ {25,  27,  {"Silkgrubbo  ----Lv. 20--> Silkmantle", "Silkgrubbo  ----Lv. 20--> Silkwyng"}},
    /* 415..416 */ {28,  29,  {"Formikit    ----Lv. 30--> Formiregia", "Tylko forma żeńska."}},
    /* 418..419 */ {31,  32,  {"Kelpini --Lv. Up--> Kelpidrak",        "Musi mieć Koral Burzy"}},
    /* 420..421 */ {33,  34,  {"Calabrin --Świeca Dusz--> Calabroul",  " "}},
    /* 422..423 */ {35,  36,  {"Yetilo --Lv. 34--> Yetimaruk",         " "}},
    /* 424      */ {37,  37,  {"Lampilo --Lv. 18--> Lampyrix",         " "}},
    /* 425..426 */ {38,  39,  {"Renlumi --Szczęście--> Renmystel",     " "}},
    /* 427..428 */ {40,  41,  {"Tortelo --Lv. 32--> Tortaverd",        " "}},
    /* 429      */ {42,  42,  {"Klinkel --Lv. 26--> Klingdol",         " "}},
    /* 430      */ {43,  43,  {"Haylet --Lv. Up--> Haybogle",          "Musi mieć Złoty Kłos"}},
    /* 431..432 */ {44,  45,  {"Urchet --Lv. Up--> Urchaton",          "Musi znać Iron Quill"}},
    /* 433      */ {46,  46,  {"Nimbubb <---dziecko--- Nimbarra",      "Nimbubb nie ewoluuje w Nimbarra"}},
    /* 434..435 */ {47,  48,  {"Skitrel --Lv. 29--> Skitnoctis",       " "}},
    /* 436..437 */ {49,  50,  {"Rimelin --Lv. 37--> Rimehart",         " "}},
    /* 438..440 */ {51,  53,  {"Gibbit --Lv. 20--> Gibbrawl ---",      "Szczęście w dzień---> Gibbrutus"}},
    /* 443..445 */ {56,  58,  {"Zephlet --Lv. 30--> Zephyrra",         "--Lv. 55--> Zephyraxis"}},
    /* 446      */ {59,  59,  {"Scutelet --Lv. 28--> Scutarro",        " "}},
    /* 447..448 */ {60,  61,  {"Ardipip --Lv. 26--> Ardeagris",        " "}},
    /* 449..450 */ {62,  63,  {"Scarbit --Lv. 24--> Scarabrax",        " "}},
    /* 451..452 */ {64,  65,  {"Sissnik --Lv. 30--> Sissmora",         " "}},
    /* 453..454 */ {66,  67,  {"Talpik --Lv. 31--> Talpagrond",        " "}},
    /* 456..457 */ {69,  70,  {"Anguiz --Lv. Up--> Anguvolt",          "Medulo w drużynie"}},
    /* 458      */ {71,  71,  {"Lophet --Lampa Głębin--> Lophira",     " "}},
    /* 459..460 */ {72,  73,  {"Anthelle --Kropla Rosy--> Anthoria",   " "}},
    /* 461      */ {74,  74,  {"Krukit --Lv. Up--> Krukal",            "Tylko w nocy"}},
    /* 462      */ {75,  75,  {"Cogsquire --Lv. Up--> Cogvalier",      "Musi mieć Stalowy Herb"}},
    /* 463      */ {76,  76,  {"Bradylet --Lv. 45--> Bradypo",         " "}},
    /* 464      */ {77,  77,  {"Scorilet --Żar Wulkanu--> Scoriak",    " "}},
    /* 465      */ {78,  78,  {"Nymbud --Lv. 27--> Nymphella",         " "}},
    /* 466      */ {79,  79,  {"Fulgit --Lv. Up--> Fulgurak",          "Musi znać Bolt Lance"}},
    /* 467      */ {80,  80,  {"Pugilet --Lv. 33--> Pugilroo",         " "}},
    /* 468      */ {81,  81,  {"Lullamb <---dziecko--- Lullaram",      "Lullamb nie ewoluuje w Lullaram"}},
    /* 469      */ {82,  82,  {"Mantilet --Sierp Mchu--> Mantiverd",   " "}},
    /* 470..471 */ {83,  84,  {"Melesko --Lv. 29--> Melesgrund",       " "}},
    /* 472      */ {85,  85,  {"Gargit --Kamień Gzymsu--> Gargrim",    " "}},
    /* 473      */ {86,  86,  {"Narwee --Lv. Up--> Narwhelm",          "Balaenor w drużynie"}},
    /* 474      */ {87,  87,  {"Orilet --Złoty Papier--> Orikran",     " "}},
    /* 475      */ {88,  88,  {"Cervik --Lv. 40--> Cervaldor",         "Tylko forma męska."}},
    /* 476      */ {89,  89,  {"Caprilet --Lv. Up--> Caprigrat",       "Na Górze Karwień"}},
    /* 477      */ {90,  90,  {"Nyxit --Szczęście nocą--> Nyxalis",    " "}},
    /* 478      */ {91,  91,  {"Cygnilo       --Lv. 33--> Cygnivere",  "Tylko forma żeńska."}},
    /* 489..490 */ {102, 103, {"Nerilla --Lv. 35--> Nerisyne",         " "}},
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
