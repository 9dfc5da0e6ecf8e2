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

/* Entries 30, 54, 55, 68 and 92..101 never evolve and have no run. Under the gender marks the lines
   hold only blanks (or hyphens, where a mark touches only their foot): after the name in 412..416 and
   477..478, and after the middle stage in 473..475, so the text stays clear of the marks. The marks
   say which sex takes a step: the females of 412 become 413 and its males 414; only the females of 415
   and of 477 evolve (a female 477 once she holds spider silk); only a male 474 grows into 475. */
/* clang-format off */
static const NoteRun noteRuns[] = {
    /* 387..388 */ {0,   1,   {"Kopik --Lv. 22--> Kopalnik",             " "}},
    /* 389      */ {2,   2,   {"Motek --Lv. 18--> Wietrzyk",             " "}},
    /* 390..391 */ {3,   4,   {"Parzyk --Lv. 20--> Parzyblask",          " "}},
    /* 392..394 */ {5,   7,   {"Trasik --Lv. 13--> Traszyn",             "--Lv. 29--> Trasomor"}},
    /* 395      */ {8,   8,   {"Pierzynek --Poszewka--> Pierzyniak",     " "}},
    /* 396..397 */ {9,   10,  {"Hubik --Lv. 16--> Hubostol",             " "}},
    /* 398..400 */ {11,  13,  {"Murek --Lv. 19--> Murowal",              "--Lv. 42--> Murogrom"}},
    /* 401      */ {14,  14,  {"Podkamyk --Lv. 34--> Podlodek",         " "}},
    /* 402..403 */ {15,  16,  {"Szronik --Lv. 24--> Szronostaj",         " "}},
    /* 404..406 */ {17,  19,  {"Pylik --Lv. 14--> Pylowir",              "--Lv. 31--> Pylozawier"}},
    /* 407      */ {20,  20,  {"Kowadlik --Zgorzelina--> Kowadrak",      " "}},
    /* 408      */ {21,  21,  {"Snopek --Lv. Up--> Strachun",            "Musi mieć Złoty Kłos"}},
    /* 409..411 */ {22,  24,  {"Snujek --Lv. 15--> Snujarz",             "--Lv. 33--> Snujmrok"}},
    /* 412..414 */ {25,  27,  {"Kafelek       ----Lv. 23--> Kafelica",   "Kafelek       ----Lv. 23--> Kafelun"}},
    /* 415..416 */ {28,  29,  {"Chmielik    ----Lv. 30--> Chmielina",    "Tylko forma żeńska."}},
    /* 418..420 */ {31,  33,  {"Kazuarek --Lv. 20--> Kazuaryn",          "--Lv. 38--> Kazuarog"}},
    /* 421..422 */ {34,  35,  {"Gabczyk --Lv. 21--> Gabczar",            " "}},
    /* 423      */ {36,  36,  {"Listnik --Lv. 26--> Zwijak",             " "}},
    /* 424..426 */ {37,  39,  {"Rzekotek --Lv. 17--> Rzekotniak",        "--Lv. 36--> Rzekotolot"}},
    /* 427      */ {40,  40,  {"Rurek --Lv. Up--> Pompak",               "Musi mieć Skórzaną Uszczelkę"}},
    /* 428..429 */ {41,  42,  {"Stosik --Kreda--> Stosowid",             " "}},
    /* 430..432 */ {43,  45,  {"Blotek --Lv. 19--> Blotniak",            "--Kamienna Muszla--> Blotomusz"}},
    /* 433..434 */ {46,  47,  {"Plaszek --Lv. 15--> Plaszczur",          " "}},
    /* 435      */ {48,  48,  {"Senowca --Lv. Up--> Senobaran",          "Z Pierzynkiem w drużynie"}},
    /* 436..438 */ {49,  51,  {"Wilczek --Lv. 22--> Wilczar",            "--Lv. 33--> Wilczomroz"}},
    /* 439..440 */ {52,  53,  {"Beczik --Lv. 20--> Beczkowal",           " "}},
    /* 443      */ {56,  56,  {"Robaczek --Lv. Up--> Swietlak",          "Tylko w nocy"}},
    /* 444..445 */ {57,  58,  {"Lorik --Lv. 26--> Lorizar",              " "}},
    /* 446..448 */ {59,  61,  {"Wiklik --Lv. 16--> Wiklogon",            "--Lv. 34--> Wiklomar"}},
    /* 449      */ {62,  62,  {"Skibek --Lv. 24--> Skibor",              " "}},
    /* 450..451 */ {63,  64,  {"Szczecik --Lv. 22--> Szczeciarz",        " "}},
    /* 452..454 */ {65,  67,  {"Chrobik --Lv. 17--> Chrobak",            "--Lv. 32--> Chroboskal"}},
    /* 456..458 */ {69,  71,  {"Jantik --Lv. 20--> Jantarel",            "--Lv. 38--> Jantarok"}},
    /* 459      */ {72,  72,  {"Kotewek --Lv. 27--> Kotewnik",           " "}},
    /* 460..461 */ {73,  74,  {"Szklik --Lv. Up--> Szkliwiec",           "Musi znać Bolt Beckon"}},
    /* 462..464 */ {75,  77,  {"Szadzik --Lv. 22--> Szadzirog",          "--Lv. 34--> Szadzielen"}},
    /* 465..467 */ {78,  80,  {"Czaplik --Lv. 17--> Czaplobrod",         "--Lv. 29--> Czaplosiwa"}},
    /* 468..470 */ {81,  83,  {"Namorek --Lv. 12--> Namorzec",           "--Lv. 31--> Namorzyn"}},
    /* 471..472 */ {84,  85,  {"Borsik --Lv. 28--> Borsugor",            " "}},
    /* 473..475 */ {86,  88,  {"Foczek --Lv. 22--> Foczan       ",       "--Lv. 38--> Foczysko"}},
    /* 476      */ {89,  89,  {"Leniwczyk --Szczęście--> Leniwor",       " "}},
    /* 477..478 */ {90,  91,  {"Nitek         --Lv. Up--> Nitkarka",     "Musi mieć Pajęczą Przędzę"}},
    /* 489      */ {102, 102, {"Rudziak --Lv. 28--> Rudawiec",           " "}},
    /* 490      */ {103, 103, {"Skladek --Szczęście--> Zurawik",         "Tylko w nocy"}},
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
