/* Content rules of the catalogue: names, sizes, types, move and machine lists, machine labels,
   the three-form entry and the pictures' spoken descriptions, read back from the catalogue's tables. */
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/picture_descriptions.h"
#include "cp1250_polish.h"
#include "resource.h"

static const int MIN_HEIGHT_CM = 20;
static const int MAX_HEIGHT_CM = 541;
static const int MIN_WEIGHT = 3;
static const int MAX_WEIGHT = 7500;
static const int LIGHT_WEIGHT = 10; /* below one kilogram */
static const int LIGHT_ENTRIES = 5;
static const int DUAL_TYPE_ENTRIES = 51;
static const size_t LONGEST_MOVE_ELEMENT = 29;
static const size_t MOVE_NAME_MAX = 20;
static const size_t LABEL_MAX = 22;
static const int FORM_LIST_ELEMENTS = 12;
static const int NO_MACHINE_ENTRIES = 3;
static const int SHARED_MACHINE_STRINGS = 3;
/* A picture's description is one sentence a screen reader says in a breath. */
static const size_t DESCRIPTION_MIN = 60;
static const size_t DESCRIPTION_MAX = 140;
static const int OPENING_WORDS = 3;

static int Slot(int entry)
{
    return entry + 1;
}

static bool IsPrintableAscii(const char *text)
{
    for (const char *p = text; *p != '\0'; ++p)
        if (*p < 0x20 || *p > 0x7E)
            return false;
    return true;
}

/* Splits a list string into its elements; false when it does not end with ";" or has an empty element. */
static bool SplitList(const char *text, std::vector<std::string> &elements)
{
    elements.clear();
    std::string current;
    size_t length = std::strlen(text);
    if (length == 0 || text[length - 1] != ';')
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == ';') {
            if (current.empty())
                return false;
            elements.push_back(current);
            current.clear();
        } else {
            current += text[i];
        }
    }
    return true;
}

static bool IsMoveName(const std::string &name)
{
    if (name.empty() || name.size() > MOVE_NAME_MAX || name.front() == ' ' || name.back() == ' ')
        return false;
    for (char c : name) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != ' ' && c != '-')
            return false;
    }
    return true;
}

static bool IsDecimal(const std::string &text)
{
    if (text.empty() || text[0] == '0')
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

struct MoveList {
    bool valid = false;
    std::string error;
    std::vector<std::string> bare;
    std::vector<std::pair<int, std::string>> levelled;
    size_t longestElement = 0;
};

static MoveList ParseMoveList(const char *text)
{
    MoveList list;
    std::vector<std::string> elements;
    if (!SplitList(text, elements)) {
        list.error = "not a list of ';'-ended elements";
        return list;
    }
    for (const std::string &element : elements) {
        if (element.size() > list.longestElement)
            list.longestElement = element.size();
        if (element.compare(0, 4, "Lv. ") == 0) {
            size_t dash = element.find(" - ");
            if (dash == std::string::npos || !IsDecimal(element.substr(4, dash - 4))) {
                list.error = "bad level element: " + element;
                return list;
            }
            std::string name = element.substr(dash + 3);
            if (!IsMoveName(name)) {
                list.error = "bad move name: " + element;
                return list;
            }
            list.levelled.push_back({std::stoi(element.substr(4, dash - 4)), name});
        } else {
            if (!list.levelled.empty()) {
                list.error = "bare move after a level element: " + element;
                return list;
            }
            if (!IsMoveName(element)) {
                list.error = "bad move name: " + element;
                return list;
            }
            list.bare.push_back(element);
        }
    }
    list.valid = true;
    return list;
}

struct MachineList {
    bool valid = false;
    std::string error;
    std::vector<int> tms;
    std::vector<int> hms;
    bool divider = false;
};

static MachineList ParseMachineList(const char *text)
{
    MachineList list;
    std::vector<std::string> elements;
    if (!SplitList(text, elements)) {
        list.error = "not a list of ';'-ended elements";
        return list;
    }
    for (const std::string &element : elements) {
        if (element == "-") {
            if (list.divider) {
                list.error = "second divider";
                return list;
            }
            list.divider = true;
            continue;
        }
        if (!IsDecimal(element) || element.size() > 2) {
            list.error = "bad number: " + element;
            return list;
        }
        int number = std::stoi(element);
        std::vector<int> &part = list.divider ? list.hms : list.tms;
        int limit = list.divider ? HM_COUNT : TM_COUNT;
        if (number < 1 || number > limit || (!part.empty() && part.back() >= number)) {
            list.error = "number out of range or order: " + element;
            return list;
        }
        part.push_back(number);
    }
    list.valid = true;
    return list;
}

static std::set<std::string> MoveNames(const char *text)
{
    MoveList list = ParseMoveList(text);
    std::set<std::string> names(list.bare.begin(), list.bare.end());
    for (const auto &element : list.levelled)
        names.insert(element.second);
    return names;
}

class CatalogueContent : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
    }
};

TEST_F(CatalogueContent, EverySlotOfAnEntryIsSetAndSlotZeroStaysEmpty)
{
    EXPECT_EQ(moveListText[0], (const char *)NULL);
    EXPECT_EQ(machineListText[0], (const char *)NULL);
    EXPECT_EQ(heightCm[0], 0);
    EXPECT_EQ(weightTenthKg[0], 0);
    EXPECT_EQ(primaryTypeIcon[0], 0);
    EXPECT_EQ(secondaryTypeIcon[0], 0);
    EXPECT_EQ(tmLabel[0], (const char *)NULL);
    EXPECT_EQ(hmLabel[0], (const char *)NULL);
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        SCOPED_TRACE(entry);
        EXPECT_NE(moveListText[Slot(entry)], (const char *)NULL);
        EXPECT_NE(machineListText[Slot(entry)], (const char *)NULL);
        EXPECT_NE(heightCm[Slot(entry)], 0);
        EXPECT_NE(weightTenthKg[Slot(entry)], 0);
        EXPECT_NE(primaryTypeIcon[Slot(entry)], 0);
    }
}

TEST_F(CatalogueContent, NamesAreDistinctShortAndPlain)
{
    std::set<std::string> seen;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const char *name = entryName[entry];
        SCOPED_TRACE(name);
        size_t length = std::strlen(name);
        EXPECT_GE(length, 5u);
        EXPECT_LE(length, 11u);
        for (size_t i = 0; i < length; ++i) {
            char c = name[i];
            bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            EXPECT_TRUE(letter || c == ' ' || c == '.') << "character " << c;
        }
        EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z');
        EXPECT_TRUE(seen.insert(name).second) << "duplicate";
    }
}

TEST_F(CatalogueContent, SizesStayInRangeAndReachBothEnds)
{
    int lightEntries = 0;
    bool lowestHeight = false, highestHeight = false, lowestWeight = false, highestWeight = false;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        SCOPED_TRACE(entryName[entry]);
        int height = heightCm[Slot(entry)];
        int weight = weightTenthKg[Slot(entry)];
        EXPECT_GE(height, MIN_HEIGHT_CM);
        EXPECT_LE(height, MAX_HEIGHT_CM);
        EXPECT_GE(weight, MIN_WEIGHT);
        EXPECT_LE(weight, MAX_WEIGHT);
        lowestHeight |= height == MIN_HEIGHT_CM;
        highestHeight |= height == MAX_HEIGHT_CM;
        lowestWeight |= weight == MIN_WEIGHT;
        highestWeight |= weight == MAX_WEIGHT;
        lightEntries += weight < LIGHT_WEIGHT ? 1 : 0;
    }
    EXPECT_TRUE(lowestHeight && highestHeight && lowestWeight && highestWeight);
    EXPECT_EQ(lightEntries, LIGHT_ENTRIES);
}

TEST_F(CatalogueContent, TypesAreTypeIconsAndTheSecondDiffersFromTheFirst)
{
    int dualTyped = 0;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        SCOPED_TRACE(entryName[entry]);
        unsigned short first = primaryTypeIcon[Slot(entry)];
        unsigned short second = secondaryTypeIcon[Slot(entry)];
        EXPECT_GE(first, IDB_TYPE_INSECT);
        EXPECT_LE(first, IDB_TYPE_WATER);
        if (second != 0) {
            ++dualTyped;
            EXPECT_GE(second, IDB_TYPE_INSECT);
            EXPECT_LE(second, IDB_TYPE_WATER);
            EXPECT_NE(second, first);
        }
    }
    EXPECT_EQ(dualTyped, DUAL_TYPE_ENTRIES);
    EXPECT_EQ(secondaryTypeIcon[Slot(FORM_ENTRY)], IDB_TYPE_GRASS);
}

TEST_F(CatalogueContent, MoveListsFollowTheGrammarAndLimits)
{
    std::set<const char *> pointers;
    std::set<std::string> texts;
    size_t longest = 0;
    auto check = [&](const char *text, const std::string &who) {
        SCOPED_TRACE(who);
        ASSERT_TRUE(IsPrintableAscii(text));
        MoveList list = ParseMoveList(text);
        ASSERT_TRUE(list.valid) << list.error;
        size_t elements = list.bare.size() + list.levelled.size();
        EXPECT_GE(elements, 2u);
        EXPECT_LE(elements, 20u);
        EXPECT_GE(list.bare.size(), 1u);
        EXPECT_LE(list.bare.size(), 8u);
        int previous = 0;
        for (const auto &element : list.levelled) {
            EXPECT_GE(element.first, 2);
            EXPECT_LE(element.first, 100);
            EXPECT_GE(element.first, previous) << element.second;
            previous = element.first;
        }
        EXPECT_LE(list.longestElement, LONGEST_MOVE_ELEMENT);
        if (list.longestElement > longest)
            longest = list.longestElement;
        std::set<std::string> names = MoveNames(text);
        EXPECT_EQ(names.size(), elements) << "a move learned twice";
        texts.insert(text);
    };
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        check(moveListText[Slot(entry)], entryName[entry]);
        EXPECT_TRUE(pointers.insert(moveListText[Slot(entry)]).second)
            << entryName[entry] << " shares its move list";
    }
    for (int form = 1; form < FORM_COUNT; ++form) {
        check(formMoveListText[form], "form " + std::to_string(form));
        EXPECT_TRUE(pointers.insert(formMoveListText[form]).second);
    }
    EXPECT_EQ(texts.size(), pointers.size()) << "two move lists have the same text";
    EXPECT_EQ(longest, LONGEST_MOVE_ELEMENT);
}

TEST_F(CatalogueContent, SomeMoveListsLearnTwoMovesAtOneLevel)
{
    int withTie = 0;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        MoveList list = ParseMoveList(moveListText[Slot(entry)]);
        for (size_t i = 1; i < list.levelled.size(); ++i) {
            if (list.levelled[i].first == list.levelled[i - 1].first) {
                ++withTie;
                break;
            }
        }
    }
    EXPECT_GE(withTie, 2);
}

TEST_F(CatalogueContent, MachineListsFollowTheGrammarAndAreSharedAsPlanned)
{
    std::map<const char *, std::vector<int>> users;
    int withoutDivider = 0, dividerOnly = 0, withHms = 0;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const char *text = machineListText[Slot(entry)];
        SCOPED_TRACE(entryName[entry]);
        ASSERT_TRUE(IsPrintableAscii(text));
        MachineList list = ParseMachineList(text);
        ASSERT_TRUE(list.valid) << list.error;
        users[text].push_back(entry);
        if (!list.hms.empty()) {
            ++withHms;
        } else if (list.divider && !list.tms.empty()) {
            ++dividerOnly;
        } else if (!list.divider) {
            ++withoutDivider;
            EXPECT_FALSE(list.tms.empty());
        }
    }
    EXPECT_GT(withoutDivider, 0);
    EXPECT_GT(dividerOnly, 0);
    EXPECT_GT(withHms, 0);

    int noMachineEntries = 0, sharedByTwo = 0;
    std::set<std::string> texts;
    for (const auto &use : users) {
        texts.insert(use.first);
        if (std::strcmp(use.first, "-;") == 0) {
            noMachineEntries += (int)use.second.size();
            EXPECT_EQ(use.second.size(), (size_t)NO_MACHINE_ENTRIES);
        } else {
            EXPECT_LE(use.second.size(), 2u) << use.first;
            sharedByTwo += use.second.size() == 2 ? 1 : 0;
        }
    }
    EXPECT_EQ(noMachineEntries, NO_MACHINE_ENTRIES);
    EXPECT_EQ(sharedByTwo, SHARED_MACHINE_STRINGS);
    EXPECT_EQ(texts.size(), users.size()) << "equal machine lists must be one shared string";
}

TEST_F(CatalogueContent, MachineLabelsCarryTheirNumber)
{
    std::set<std::string> names;
    auto check = [&](const char *label, const char *kind, int number) {
        SCOPED_TRACE(std::string(kind) + std::to_string(number));
        ASSERT_NE(label, (const char *)NULL);
        ASSERT_TRUE(IsPrintableAscii(label));
        std::string text = label;
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "%s%02d - ", kind, number);
        EXPECT_EQ(text.compare(0, std::strlen(prefix), prefix), 0) << text;
        EXPECT_LE(text.size(), LABEL_MAX);
        std::string name = text.substr(std::strlen(prefix));
        EXPECT_TRUE(IsMoveName(name)) << text;
        EXPECT_TRUE(names.insert(name).second) << "duplicate machine " << name;
    };
    for (int tm = 1; tm <= TM_COUNT; ++tm)
        check(tmLabel[tm], "TM", tm);
    for (int hm = 1; hm <= HM_COUNT; ++hm)
        check(hmLabel[hm], "HM", hm);
}

/* Machines are numbered in the alphabetical order of their names, TMs and HMs each on their own. */
TEST_F(CatalogueContent, MachinesAreNumberedAlphabetically)
{
    const size_t prefix = std::strlen("TM01 - ");
    for (int tm = 2; tm <= TM_COUNT; ++tm)
        EXPECT_LT(std::strcmp(tmLabel[tm - 1] + prefix, tmLabel[tm] + prefix), 0) << tmLabel[tm];
    for (int hm = 2; hm <= HM_COUNT; ++hm)
        EXPECT_LT(std::strcmp(hmLabel[hm - 1] + prefix, hmLabel[hm] + prefix), 0) << hmLabel[hm];
}

TEST_F(CatalogueContent, TheFormEntryHasThreeDistinctForms)
{
    EXPECT_EQ(formPicture[0], 127);
    EXPECT_EQ(formPicture[1], IDB_FORM1_PICTURE);
    EXPECT_EQ(formPicture[2], IDB_FORM2_PICTURE);
    EXPECT_EQ(formSecondaryTypeIcon[0], IDB_TYPE_GRASS);
    EXPECT_EQ(formSecondaryTypeIcon[1], IDB_TYPE_GROUND);
    EXPECT_EQ(formSecondaryTypeIcon[2], IDB_TYPE_STEEL);
    EXPECT_EQ(formMoveListText[0], moveListText[Slot(FORM_ENTRY)]);

    std::set<std::string> forms[FORM_COUNT];
    for (int form = 0; form < FORM_COUNT; ++form) {
        MoveList list = ParseMoveList(formMoveListText[form]);
        ASSERT_TRUE(list.valid) << list.error;
        EXPECT_EQ(list.bare.size() + list.levelled.size(), (size_t)FORM_LIST_ELEMENTS);
        forms[form] = MoveNames(formMoveListText[form]);
    }
    for (int form = 0; form < FORM_COUNT; ++form) {
        int own = 0;
        for (const std::string &name : forms[form]) {
            bool elsewhere =
                forms[(form + 1) % FORM_COUNT].count(name) || forms[(form + 2) % FORM_COUNT].count(name);
            own += elsewhere ? 0 : 1;
        }
        EXPECT_GE(own, 3) << "form " << form << " needs moves of its own";
    }
}

/* The first words of a text, to tell rows written from one template. */
static std::u16string Opening(const std::u16string &text, int words)
{
    size_t end = 0;
    for (int word = 0; word < words && end != std::u16string::npos; ++word)
        end = text.find(u' ', end + 1);
    return text.substr(0, end);
}

TEST_F(CatalogueContent, EveryPictureHasItsOwnOneSentenceDescription)
{
    EXPECT_STREQ(formPictureDescription[0], pictureDescription[FORM_ENTRY])
        << "form 0 is the entry's picture";
    std::vector<std::pair<std::string, const char *>> texts;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        texts.push_back({entryName[entry], pictureDescription[entry]});
    for (int form = 1; form < FORM_COUNT; ++form)
        texts.push_back({"form " + std::to_string(form), formPictureDescription[form]});
    ASSERT_EQ(texts.size(), 109u);

    std::set<std::u16string> seen, openings;
    for (const auto &named : texts) {
        SCOPED_TRACE(named.first);
        ASSERT_NE(named.second, (const char *)NULL);
        std::u16string text = DecodeCp1250(named.second);
        EXPECT_GE(text.size(), DESCRIPTION_MIN);
        EXPECT_LE(text.size(), DESCRIPTION_MAX);
        for (char16_t c : text)
            EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != NOT_POLISH) << "not printable Windows-1250 Polish";
        if (text.empty())
            continue;
        bool capital = (text[0] >= u'A' && text[0] <= u'Z') || text[0] == u'Ł' || text[0] == u'Ś' ||
                       text[0] == u'Ż' || text[0] == u'Ź' || text[0] == u'Ć';
        EXPECT_TRUE(capital) << "a sentence starts with a capital";
        EXPECT_EQ(text.back(), u'.');
        EXPECT_EQ(text.find_first_of(u".!?"), text.size() - 1) << "one sentence only";
        EXPECT_EQ(text.find(u"  "), std::u16string::npos);
        EXPECT_NE(text[text.size() - 2], u' ');
        EXPECT_TRUE(seen.insert(text).second) << "two pictures described alike";
        EXPECT_TRUE(openings.insert(Opening(text, OPENING_WORDS)).second) << "opens like another row";
        for (int entry = 0; entry < ENTRY_COUNT; ++entry)
            EXPECT_EQ(std::strstr(named.second, entryName[entry]), (const char *)NULL)
                << "the client object already says the name " << entryName[entry];
    }
}
