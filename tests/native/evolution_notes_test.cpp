/* Content rules of the evolution notes: runs and default note, Windows-1250 text, line patterns,
   the gender marks and their room in the text, and agreement with the catalogue's names and lists. */
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "cp1250_polish.h"
#include "resource.h"

static const unsigned DEFAULT_ENTRIES[] = {30, 54, 55, 68,  92,  93,  94,  95, 96,
                                           97, 98, 99, 100, 101, 104, 105, 106};
static const unsigned OUT_OF_RANGE[] = {107, 1000, 0xFFFFFFFFu};
static const unsigned MAX_RUN = 3;

/* Advance widths in pixels of printable ASCII in Arial at the panel's size (16-pixel cell). */
static const int ARIAL_WIDTH[95] = {
    4, 4,  5,  8, 8, 12, 9, 3,  5,  5, 5, 8,  4,  5, 4, 4,  8,  8, 8, 8, 8, 8,  8,  8,
    8, 8,  4,  4, 8, 8,  8, 8,  14, 9, 9, 10, 10, 9, 9, 11, 10, 4, 7, 9, 8, 12, 10, 11,
    9, 11, 10, 9, 9, 10, 9, 13, 9,  9, 9, 4,  4,  4, 7, 8,  5,  8, 8, 7, 8, 8,  4,  8,
    8, 3,  3,  7, 3, 12, 8, 8,  8,  8, 5, 7,  4,  8, 7, 10, 7,  7, 7, 5, 4, 5,  8,
};
static const int TEXT_X = 31;
static const int LINE1_Y = 330;
static const int LINE2_Y = 360;
static const int LINE_HEIGHT = 16;
static const int BASELINE_BAND = 5; /* the lowest rows of a line: letter feet and descenders */
static const int MARK_WIDTH = 16;
static const int MARK_HEIGHT = 22;

static std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::string current;
    for (char c : line) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (letter) {
            current += c;
        } else if (!current.empty()) {
            words.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        words.push_back(current);
    return words;
}

static bool IsEntryName(const std::string &word)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (word == entryName[entry])
            return true;
    return false;
}

static bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

static bool EndsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

static std::set<std::string> MoveNamesOf(const char *list)
{
    std::set<std::string> names;
    std::string element;
    for (const char *p = list; *p != '\0'; ++p) {
        if (*p != ';') {
            element += *p;
            continue;
        }
        size_t dash = element.find(" - ");
        names.insert(StartsWith(element, "Lv. ") && dash != std::string::npos ? element.substr(dash + 3)
                                                                              : element);
        element.clear();
    }
    return names;
}

static int LastLevel(const char *list)
{
    std::string text = list;
    size_t at = text.rfind("Lv. ");
    return at == std::string::npos ? 0 : std::stoi(text.substr(at + 4));
}

struct NoteRunSpan {
    unsigned first;
    unsigned last;
    const EvolutionNote *note;
};

/* Neighbouring entries that share one note object form a run. */
static std::vector<NoteRunSpan> CollectRuns()
{
    std::vector<NoteRunSpan> runs;
    const EvolutionNote *fallback = &FindEvolutionNote(OUT_OF_RANGE[0]);
    for (unsigned entry = 0; entry < LOOKED_UP_ENTRIES; ++entry) {
        const EvolutionNote *note = &FindEvolutionNote(entry);
        if (note == fallback)
            continue;
        if (!runs.empty() && runs.back().note == note && runs.back().last + 1 == entry)
            runs.back().last = entry;
        else
            runs.push_back({entry, entry, note});
    }
    return runs;
}

class EvolutionNotes : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
    }
};

TEST_F(EvolutionNotes, EntriesWithoutAFamilyAndOutOfRangeIndicesTakeTheDefault)
{
    std::set<unsigned> defaults(std::begin(DEFAULT_ENTRIES), std::end(DEFAULT_ENTRIES));
    const EvolutionNote &fallback = FindEvolutionNote(OUT_OF_RANGE[0]);
    EXPECT_STREQ(fallback.line1, "Brak");
    EXPECT_STREQ(fallback.line2, " ");
    for (unsigned index : OUT_OF_RANGE)
        EXPECT_EQ(&FindEvolutionNote(index), &fallback) << index;
    for (unsigned entry = 0; entry < (unsigned)ENTRY_COUNT; ++entry) {
        bool isDefault = &FindEvolutionNote(entry) == &fallback;
        EXPECT_EQ(isDefault, defaults.count(entry) == 1) << entry;
        if (!isDefault) {
            EXPECT_STRNE(FindEvolutionNote(entry).line1, "Brak") << entry;
        }
    }
}

TEST_F(EvolutionNotes, RunsAreShortAndEachNoteBelongsToOneRun)
{
    std::vector<NoteRunSpan> runs = CollectRuns();
    std::set<const EvolutionNote *> seen;
    for (const NoteRunSpan &run : runs) {
        EXPECT_LE(run.last - run.first + 1, MAX_RUN) << run.first;
        EXPECT_TRUE(seen.insert(run.note).second) << "note of entry " << run.first << " is used by two runs";
    }
}

TEST_F(EvolutionNotes, LinesAreShortWindows1250Text)
{
    for (unsigned entry = 0; entry <= LOOKED_UP_ENTRIES; ++entry) {
        const EvolutionNote &note = FindEvolutionNote(entry);
        for (const char *line : {note.line1, note.line2}) {
            SCOPED_TRACE(line);
            size_t length = std::strlen(line);
            EXPECT_GE(length, 1u);
            EXPECT_LE(length, (size_t)EVOLUTION_LINE_MAX);
            EXPECT_EQ(DecodeCp1250(line).find(NOT_POLISH), std::u16string::npos) << "not Windows-1250 Polish";
        }
    }
}

TEST_F(EvolutionNotes, PolishLettersAreStoredAsWindows1250Bytes)
{
    const char *crane = FindEvolutionNote(103).line1; /* "Skladek --Szczęście--> Zurawik" */
    const unsigned char *bytes = (const unsigned char *)crane;
    ASSERT_GE(std::strlen(crane), 16u);
    EXPECT_EQ(bytes[14], 0xEA); /* ę */
    EXPECT_EQ(bytes[15], 0x9C); /* ś */
    EXPECT_EQ(DecodeCp1250(crane), u"Skladek --Szczęście--> Zurawik");
    EXPECT_EQ(DecodeCp1250(FindEvolutionNote(28).line2), u"Tylko forma żeńska.");
    EXPECT_EQ((unsigned char)FindEvolutionNote(28).line2[12], 0xBF); /* ż */
    EXPECT_EQ(DecodeCp1250(FindEvolutionNote(21).line2), u"Musi mieć Złoty Kłos");
    EXPECT_EQ(DecodeCp1250(FindEvolutionNote(40).line2), u"Musi mieć Skórzaną Uszczelkę");
    EXPECT_EQ(DecodeCp1250(FindEvolutionNote(48).line2), u"Z Pierzynkiem w drużynie");
    EXPECT_EQ(DecodeCp1250(FindEvolutionNote(91).line2), u"Musi mieć Pajęczą Przędzę");
}

TEST_F(EvolutionNotes, NotesNameExactlyTheirOwnEntries)
{
    for (const NoteRunSpan &run : CollectRuns()) {
        SCOPED_TRACE(run.note->line1);
        std::set<std::string> mentioned;
        for (const char *line : {run.note->line1, run.note->line2}) {
            std::string text = line;
            std::vector<std::string> words = Words(text);
            /* "Z Pierzynkiem w drużynie": the companion is not a member of the family */
            bool companion = StartsWith(text, "Z ") && EndsWith(text, " w dru\xBFynie");
            for (size_t i = 0; i < words.size(); ++i) {
                bool isCompanion = companion && i == 1;
                if (IsEntryName(words[i]) && !isCompanion)
                    mentioned.insert(words[i]);
            }
        }
        std::set<std::string> members;
        for (unsigned entry = run.first; entry <= run.last; ++entry)
            members.insert(entryName[entry]);
        EXPECT_EQ(mentioned, members);
    }
}

TEST_F(EvolutionNotes, LinesFollowTheStepAndNotePatterns)
{
    const std::string conditions[] = {"Lv. ",
                                      "Szcz\xEA\x9C"
                                      "cie",
                                      "--",
                                      "Musi",
                                      "Tylko",
                                      "Na G\xF3rze"};
    for (const NoteRunSpan &run : CollectRuns()) {
        std::string line1 = run.note->line1;
        std::string line2 = run.note->line2;
        SCOPED_TRACE(line1);
        bool breeding = line1.find(" <---dziecko--- ") != std::string::npos;
        if (breeding) {
            std::vector<std::string> words = Words(line1);
            ASSERT_EQ(words.size(), 3u);
            /* the parent's name is declined: all but its last letter stay */
            std::string stem = words[2].substr(0, words[2].size() - 1);
            EXPECT_TRUE(StartsWith(line2, words[0] + " nie ewoluuje w " + stem)) << line2;
            EXPECT_LE(line2.size(), words[0].size() + 16 + words[2].size() + 1) << line2;
            continue;
        }
        size_t arrow = line1.find("->");
        ASSERT_NE(arrow, std::string::npos) << "a step needs an arrow";
        size_t firstHyphen = line1.find("--");
        ASSERT_LT(firstHyphen, arrow);
        EXPECT_NE(firstHyphen, 0u) << "the first line names where the family starts";
        size_t levelAt = line1.find("Lv. ");
        if (levelAt != std::string::npos && line1.compare(levelAt, 6, "Lv. Up") != 0) {
            int level = std::stoi(line1.substr(levelAt + 4));
            EXPECT_GE(level, 2);
            EXPECT_LE(level, 100);
        }
        if (line1.find("Lv. Up") != std::string::npos) {
            EXPECT_NE(line2, " ") << "a level-up step names its further condition";
            EXPECT_EQ(line2.find("->"), std::string::npos);
        }
        bool known = line2 == " ";
        for (const std::string &start : conditions)
            known |= StartsWith(line2, start);
        known |= line2.find("->") != std::string::npos ||
                 (StartsWith(line2, "Z ") && EndsWith(line2, " w dru\xBFynie"));
        EXPECT_TRUE(known) << line2;
        /* One arrow style: "A --condition--> B", continued on the second line as "--condition--> B". */
        for (const std::string &line : {line1, line2}) {
            size_t arrowAt = line.find("--> ");
            if (line.find("->") == std::string::npos)
                continue;
            ASSERT_NE(arrowAt, std::string::npos) << line;
            EXPECT_NE(line[arrowAt - 1], '-') << line;
            EXPECT_EQ(line.find("->", arrowAt + 2), std::string::npos) << line;
        }
        EXPECT_FALSE(EndsWith(line1, "-")) << "a step is never broken across the lines";
        if (line2.find("->") != std::string::npos) {
            EXPECT_TRUE(StartsWith(line2, "--") || line2.find(" --") != std::string::npos) << line2;
        }
    }
}

TEST_F(EvolutionNotes, RequiredMovesAreMovesOfTheFamily)
{
    const std::string mustKnow = "Musi zna\xE6 ";
    int checked = 0;
    for (const NoteRunSpan &run : CollectRuns()) {
        std::string line2 = run.note->line2;
        if (!StartsWith(line2, mustKnow))
            continue;
        std::string move = line2.substr(mustKnow.size());
        bool found = false;
        for (unsigned entry = run.first; entry <= run.last; ++entry)
            found |= MoveNamesOf(moveListText[entry + 1]).count(move) == 1;
        EXPECT_TRUE(found) << move << " is not learned by " << entryName[run.first];
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(EvolutionNotes, FamiliesShareTheirNameStartAndGrowStageByStage)
{
    const size_t sharedLetters = 3;
    for (const NoteRunSpan &run : CollectRuns()) {
        for (unsigned entry = run.first + 1; entry <= run.last; ++entry) {
            SCOPED_TRACE(entryName[entry]);
            EXPECT_EQ(std::string(entryName[entry]).substr(0, sharedLetters),
                      std::string(entryName[run.first]).substr(0, sharedLetters));
            EXPECT_GT(heightCm[entry + 1], heightCm[entry]);
            EXPECT_GT(weightTenthKg[entry + 1], weightTenthKg[entry]);
            std::set<std::string> earlier = MoveNamesOf(moveListText[entry]);
            std::set<std::string> later = MoveNamesOf(moveListText[entry + 1]);
            EXPECT_GE(later.size(), earlier.size());
            EXPECT_GE(LastLevel(moveListText[entry + 1]), LastLevel(moveListText[entry]));
            int common = 0;
            for (const std::string &move : later)
                common += (int)earlier.count(move);
            EXPECT_GE(common, 2) << "a family shares some moves";
        }
    }
}

TEST_F(EvolutionNotes, GenderMarksAreListedInDrawingOrder)
{
    struct Expected {
        unsigned entry;
        std::vector<EvolutionMark> marks;
    };
    const EvolutionMark female1 = {IDB_SYMBOL_FEMALE, 110, 311};
    const EvolutionMark male2 = {IDB_SYMBOL_MALE, 110, 341};
    const std::vector<Expected> expected = {
        {25, {female1, male2}              },
        {26, {female1, male2}              },
        {27, {female1, male2}              },
        {28, {female1}                     },
        {29, {female1}                     },
        {88, {{IDB_SYMBOL_MALE, 210, 321}} },
        {91, {{IDB_SYMBOL_FEMALE, 83, 320}}},
    };
    std::vector<unsigned> indices;
    for (unsigned entry = 0; entry < (unsigned)ENTRY_COUNT; ++entry)
        indices.push_back(entry);
    indices.insert(indices.end(), std::begin(OUT_OF_RANGE), std::end(OUT_OF_RANGE));
    for (unsigned index : indices) {
        SCOPED_TRACE(index);
        std::vector<EvolutionMark> want;
        for (const Expected &e : expected)
            if (e.entry == index)
                want = e.marks;
        EvolutionMark got[EVOLUTION_MARKS_MAX] = {};
        int count = FindEvolutionMarks(index, got);
        ASSERT_EQ(count, (int)want.size());
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(got[i].bitmapId, want[i].bitmapId);
            EXPECT_EQ(got[i].x, want[i].x);
            EXPECT_EQ(got[i].y, want[i].y);
        }
    }
}

/* Where a mark covers the body or the foot of a text line, the line runs on under the whole mark with
   only blanks (and, on the foot, hyphens, which sit at mid-height), so the symbol stays visible. */
TEST_F(EvolutionNotes, GenderMarksSitOverBlanks)
{
    int checkedMarks = 0;
    for (unsigned entry = 0; entry < LOOKED_UP_ENTRIES; ++entry) {
        EvolutionMark marks[EVOLUTION_MARKS_MAX] = {};
        int count = FindEvolutionMarks(entry, marks);
        const EvolutionNote &note = FindEvolutionNote(entry);
        for (int m = 0; m < count; ++m) {
            const EvolutionMark &mark = marks[m];
            const int lineTops[] = {LINE1_Y, LINE2_Y};
            const char *lines[] = {note.line1, note.line2};
            for (int l = 0; l < 2; ++l) {
                int glyphTop = lineTops[l] + 3; /* internal leading above the capitals */
                int lineBottom = lineTops[l] + LINE_HEIGHT;
                int markBottom = mark.y + MARK_HEIGHT;
                if (markBottom <= glyphTop || mark.y >= lineBottom)
                    continue;
                bool footOnly = mark.y >= lineBottom - BASELINE_BAND;
                int x = TEXT_X;
                for (const char *p = lines[l]; *p != '\0'; ++p) {
                    unsigned char c = (unsigned char)*p;
                    ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "line under a mark must be ASCII: " << lines[l];
                    int width = ARIAL_WIDTH[c - 0x20];
                    bool overlaps = x < mark.x + MARK_WIDTH && x + width > mark.x;
                    if (overlaps) {
                        bool clear = c == ' ' || (footOnly && c == '-');
                        EXPECT_TRUE(clear)
                            << "'" << *p << "' under the mark at x " << mark.x << " in " << lines[l];
                    }
                    x += width;
                }
                /* blanks must fill the mark's width: a line that merely ends before it does not count */
                EXPECT_GE(x, mark.x + MARK_WIDTH)
                    << "no blanks under the mark at x " << mark.x << " in " << lines[l];
                ++checkedMarks;
            }
        }
    }
    EXPECT_GE(checkedMarks, 5);
}

/* Where a spelling gives a name away as English or Latin rather than Polish: letters Polish does not
   write, pairs it does not spell, doubled consonants, and endings of foreign words. */
static std::string ForeignSpelling(const std::string &name)
{
    std::string lower;
    for (char c : name)
        lower += (char)(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const char *letter : {"q", "v", "x"})
        if (lower.find(letter) != std::string::npos)
            return std::string("the letter ") + letter;
    for (const char *pair : {"th", "ph", "ck", "ee", "oo", "ou", "ay", "ey", "oi", "ea", "ae",
                             "ll", "rr", "kk", "ss", "tt", "pp", "mm", "ff", "bb", "dd", "gg"})
        if (lower.find(pair) != std::string::npos)
            return std::string("the spelling ") + pair;
    for (const char *ending :
         {"is", "us", "um", "ix", "ex", "ax", "ella", "let", "lith", "amb", "gle", "ton", "ron"})
        if (EndsWith(lower, ending))
            return std::string("the ending -") + ending;
    return "";
}

/* The creature names a step line holds: the word before its first hyphens and the word after its arrow. */
static std::vector<std::string> StepNames(const std::string &line)
{
    std::vector<std::string> names;
    size_t hyphens = line.find("--");
    size_t arrow = line.find("--> ");
    if (arrow == std::string::npos)
        return names;
    if (hyphens > 0) {
        std::vector<std::string> before = Words(line.substr(0, hyphens));
        if (!before.empty())
            names.push_back(before.front());
    }
    std::vector<std::string> after = Words(line.substr(arrow + 4));
    if (!after.empty())
        names.push_back(after.front());
    return names;
}

/* One voice: every creature name, in the catalogue or only in a note, is spelled as a Polish coinage. */
TEST_F(EvolutionNotes, CreatureNamesAreSpelledAsPolishCoinages)
{
    std::set<std::string> names(entryName, entryName + ENTRY_COUNT);
    for (const NoteRunSpan &run : CollectRuns())
        for (const char *line : {run.note->line1, run.note->line2})
            for (const std::string &name : StepNames(line))
                names.insert(name);
    int foreign = 0;
    for (const std::string &name : names) {
        std::string why = ForeignSpelling(name);
        if (!why.empty()) {
            ++foreign;
            ADD_FAILURE() << name << ": " << why;
        }
    }
    EXPECT_GE(names.size(), (size_t)ENTRY_COUNT + 10)
        << "the notes name the creatures outside the catalogue too";
    EXPECT_EQ(foreign, 0);
}

/* A family keeps one stem: each later member starts with the first member's name less its ending. */
TEST_F(EvolutionNotes, FamilyMembersKeepTheFirstMembersStem)
{
    const size_t endingLetters = 2;
    int drifting = 0;
    for (const NoteRunSpan &run : CollectRuns()) {
        std::string first = entryName[run.first];
        std::string stem = first.substr(0, first.size() - endingLetters);
        for (unsigned entry = run.first + 1; entry <= run.last; ++entry) {
            if (!StartsWith(entryName[entry], stem)) {
                ++drifting;
                ADD_FAILURE() << entryName[entry] << " does not start with " << stem;
            }
        }
    }
    EXPECT_EQ(drifting, 0);
}

/* Times of day are said one way, "Tylko w nocy"; a condition never carries a time of its own. Names
   are left out: only the note's own (lower-case) words are read. */
TEST_F(EvolutionNotes, TimeOfDayIsWrittenOneWay)
{
    const std::string onlyAtNight = "Tylko w nocy";
    const std::string timeWords[] = {"noc", "dzie\xF1", "rano", "wiecz", "po\xB3udni"};
    int otherWordings = 0, atNight = 0;
    for (const NoteRunSpan &run : CollectRuns()) {
        for (const char *text : {run.note->line1, run.note->line2}) {
            std::string line = text;
            if (line == onlyAtNight) {
                ++atNight;
                continue;
            }
            std::string word;
            for (size_t i = 0; i <= line.size(); ++i) {
                if (i < line.size() && line[i] != ' ' && line[i] != '-') {
                    word += line[i];
                    continue;
                }
                for (const std::string &time : timeWords)
                    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z' && StartsWith(word, time)) {
                        ++otherWordings;
                        ADD_FAILURE() << line;
                    }
                word.clear();
            }
        }
    }
    EXPECT_EQ(otherWordings, 0);
    EXPECT_GT(atNight, 0);
}

/* Each family is tied to the next by a relation of its own kind; the breeding note ("dziecko") is not
   a stock answer for creatures that have no family in the catalogue. */
TEST_F(EvolutionNotes, TheBreedingNoteIsNoStockRelation)
{
    const int mostBreedingNotes = 1;
    int breeding = 0;
    for (const NoteRunSpan &run : CollectRuns())
        breeding += std::string(run.note->line1).find("dziecko") != std::string::npos ? 1 : 0;
    EXPECT_LE(breeding, mostBreedingNotes);
}

/* Where only one sex evolves, the stage the other sex keeps for life is a grown body that goes on
   learning past the level at which its siblings leave: 474 (males leave at the level of the step into
   475) and 477 (males never leave). */
TEST_F(EvolutionNotes, TheStageOneSexKeepsGoesOnLearning)
{
    struct Stays {
        unsigned entry;
        const char *nextName;
    };
    const Stays stays[] = {
        {87, "Foczysko"},
        {90, "Nitkarka"},
    };
    const int movesAfterLeaving = 3;
    const int lastLevelAtLeast = 45;
    for (const Stays &stay : stays) {
        SCOPED_TRACE(entryName[stay.entry]);
        EXPECT_STREQ(entryName[stay.entry + 1], stay.nextName);
        const EvolutionNote &note = FindEvolutionNote(stay.entry);
        std::string step;
        for (const char *line : {note.line1, note.line2})
            if (std::string(line).find(std::string("--> ") + stay.nextName) != std::string::npos)
                step = line;
        ASSERT_FALSE(step.empty()) << "no step into " << stay.nextName;
        size_t levelAt = step.find("Lv. ");
        int leaving = levelAt == std::string::npos || step.compare(levelAt, 6, "Lv. Up") == 0
                          ? 0
                          : std::stoi(step.substr(levelAt + 4));
        int after = 0, last = 0;
        std::string element;
        for (const char *p = moveListText[stay.entry + 1]; *p != '\0'; ++p) {
            if (*p != ';') {
                element += *p;
                continue;
            }
            if (StartsWith(element, "Lv. ")) {
                int level = std::stoi(element.substr(4));
                after += level > leaving ? 1 : 0;
                last = level;
            }
            element.clear();
        }
        EXPECT_GE(after, movesAfterLeaving) << "after level " << leaving;
        EXPECT_GE(last, lastLevelAtLeast);
    }
}
