/* Tests of the list-string walk: separators, elements, machine labels and their limits.
   Lines are collected through the sink exactly as the list box would receive them. */
#include "catalogue/list_strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

using Lines = std::vector<std::string>;

static const size_t ELEMENT_KEPT = LIST_ELEMENT_BUFFER - 1;

static void CollectLine(const char *line, void *context)
{
    ASSERT_NE(line, (const char *)NULL);
    ((Lines *)context)->push_back(line);
}

static Lines MoveLines(const char *text)
{
    Lines lines;
    WalkMoveList(text, CollectLine, &lines);
    return lines;
}

static Lines MachineLines(const char *text)
{
    Lines lines;
    WalkMachineList(text, CollectLine, &lines);
    return lines;
}

class ListStrings : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
    }

    static std::string Tm(int n)
    {
        return tmLabel[n];
    }
    static std::string Hm(int n)
    {
        return hmLabel[n];
    }
    static std::string Sep()
    {
        return SEPARATOR_LINE;
    }
};

/* Splits at every ';', dropping what follows the last one: the elements as stored. */
static Lines Elements(const std::string &text)
{
    Lines elements;
    size_t begin = 0;
    for (size_t end = text.find(';'); end != std::string::npos; end = text.find(';', begin)) {
        elements.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return elements;
}

TEST(FindSeparator, FindsFirstSeparatorAtOrAfterStart)
{
    EXPECT_EQ(FindSeparator("abc;def;", 0), 3);
    EXPECT_EQ(FindSeparator(";abc;", 0), 0);
    EXPECT_EQ(FindSeparator(";;", 0), 0);
    EXPECT_EQ(FindSeparator("a;b;", 1), 1);
    EXPECT_EQ(FindSeparator("a;b;", 2), 3);
    EXPECT_EQ(FindSeparator("Lv. 12 - Cinder Sweep;", 0), 21);
}

TEST(FindSeparator, ReturnsMinusOneWhenStringEndsFirst)
{
    EXPECT_EQ(FindSeparator("", 0), -1);
    EXPECT_EQ(FindSeparator("no separator", 0), -1);
    EXPECT_EQ(FindSeparator("a;bc", 2), -1);
    EXPECT_EQ(FindSeparator("a;bc", 4), -1); /* start on the terminator */

    /* A ';' behind the terminator is not part of the string, whatever start says. */
    const char hidden[] = "ab\0;c;";
    EXPECT_EQ(FindSeparator(hidden, 0), -1);
    EXPECT_EQ(FindSeparator(hidden, 3), -1);
    EXPECT_EQ(FindSeparator(hidden, 5), -1);
}

TEST_F(ListStrings, MoveListShowsEveryElementInStoredOrder)
{
    EXPECT_EQ(MoveLines("Nudge;Quiet Drift;Lv. 5 - Reed Lash;Lv. 12 - Cinder Sweep;"
                        "Lv. 12 - Thorn Prick;Lv. 30 - Dune Hush;"),
              (Lines{"Nudge", "Quiet Drift", "Lv. 5 - Reed Lash", "Lv. 12 - Cinder Sweep",
                     "Lv. 12 - Thorn Prick", "Lv. 30 - Dune Hush"}));
    /* Neither sorted nor interpreted. */
    EXPECT_EQ(MoveLines("Lv. 9 - B;Lv. 2 - A;Zed;"), (Lines{"Lv. 9 - B", "Lv. 2 - A", "Zed"}));
    EXPECT_EQ(MoveLines("-;3;"), (Lines{"-", "3"}));
}

TEST_F(ListStrings, MoveListDropsTextAfterLastSeparator)
{
    EXPECT_EQ(MoveLines("Nudge;Lv. 5 - Reed Lash"), (Lines{"Nudge"}));
    EXPECT_EQ(MoveLines("no separator at all"), Lines{});
    EXPECT_EQ(MoveLines(""), Lines{});
    EXPECT_EQ(MoveLines(NULL), Lines{});
}

TEST_F(ListStrings, MoveListEmptyElementsGiveEmptyLines)
{
    EXPECT_EQ(MoveLines(";"), (Lines{""}));
    EXPECT_EQ(MoveLines("Nudge;;Hush;"), (Lines{"Nudge", "", "Hush"}));
    EXPECT_EQ(MoveLines(";;;"), (Lines{"", "", ""}));
}

TEST_F(ListStrings, OverlongElementIsCutAndWalkStaysInStep)
{
    const std::string fits(ELEMENT_KEPT, 'a');
    const std::string oneOver(ELEMENT_KEPT + 1, 'b');
    const std::string farOver(500, 'c');

    EXPECT_EQ(MoveLines((fits + ";next;").c_str()), (Lines{fits, "next"}));
    EXPECT_EQ(MoveLines((oneOver + ";next;").c_str()), (Lines{oneOver.substr(0, ELEMENT_KEPT), "next"}));
    EXPECT_EQ(MoveLines(("x;" + farOver + ";" + fits + ";y;").c_str()),
              (Lines{"x", farOver.substr(0, ELEMENT_KEPT), fits, "y"}));

    /* The cut keeps the first bytes, not the last. */
    const std::string marked = "START" + std::string(60, '.') + "END";
    const Lines lines = MoveLines((marked + ";").c_str());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], marked.substr(0, ELEMENT_KEPT));
}

TEST_F(ListStrings, SeparatorLineIsThirtyFourHyphens)
{
    EXPECT_EQ(Sep(), std::string(34, '-'));
}

TEST_F(ListStrings, MachineListByKindOfList)
{
    EXPECT_EQ(MachineLines("3;7;10;27;-;1;3;"), (Lines{Tm(3), Tm(7), Tm(10), Tm(27), Sep(), Hm(1), Hm(3)}));
    EXPECT_EQ(MachineLines("6;10;17;"), (Lines{Tm(6), Tm(10), Tm(17), Sep()}));
    EXPECT_EQ(MachineLines("5;92;-;"), (Lines{Tm(5), Tm(92), Sep()}));
    EXPECT_EQ(MachineLines("-;"), (Lines{Sep()}));
    EXPECT_EQ(MachineLines("-;2;8;"), (Lines{Sep(), Hm(2), Hm(8)}));
    EXPECT_EQ(MachineLines("1;-;1;"), (Lines{Tm(1), Sep(), Hm(1)}));
}

TEST_F(ListStrings, MachineListWithoutCompleteElements)
{
    EXPECT_EQ(MachineLines(""), (Lines{Sep()}));
    EXPECT_EQ(MachineLines("12"), (Lines{Sep()}));
    EXPECT_EQ(MachineLines(NULL), (Lines{Sep()}));
    EXPECT_EQ(MachineLines("3;7"), (Lines{Tm(3), Sep()}));
    EXPECT_EQ(MachineLines("3;-"), (Lines{Tm(3), Sep()}));
    EXPECT_EQ(MachineLines("3;-;1;2"), (Lines{Tm(3), Sep(), Hm(1)}));
}

TEST_F(ListStrings, MachineListDividerIsAnyElementStartingWithHyphen)
{
    /* Only the TM part looks for it; in the HM part a divider converts to 0. */
    EXPECT_EQ(MachineLines("3;-;1;-;2;"), (Lines{Tm(3), Sep(), Hm(1), Hm(2)}));
    EXPECT_EQ(MachineLines("-5;1;"), (Lines{Sep(), Hm(1)}));
    EXPECT_EQ(MachineLines("4;--;2;"), (Lines{Tm(4), Sep(), Hm(2)}));
}

TEST_F(ListStrings, MachineNumbersWithoutLabelAddNoLine)
{
    EXPECT_EQ(MachineLines("0;93;1;92;1000;-;0;9;8;-3;"), (Lines{Tm(1), Tm(92), Sep(), Hm(8)}));
    EXPECT_EQ(MachineLines(";x;4;-;;y;"), (Lines{Tm(4), Sep()}));
    EXPECT_EQ(MachineLines("2147483648;99999999999999999999;-;-2147483649;4294967297;"), (Lines{Sep()}));
    EXPECT_EQ(MachineLines("-;+1;-0;"), (Lines{Sep(), Hm(1)}));
}

TEST_F(ListStrings, MachineNumbersReadLikeAtoi)
{
    EXPECT_EQ(MachineLines(" 7;+7;7x;\t 7;08;-;\n2;+0002;2 3;"),
              (Lines{Tm(7), Tm(7), Tm(7), Tm(7), Tm(8), Sep(), Hm(2), Hm(2), Hm(2)}));
    EXPECT_EQ(MachineLines("x7;+ 7;-;- 7;+-1;"), (Lines{Sep()}));
    EXPECT_EQ(MachineLines("--7;1;"), (Lines{Sep(), Hm(1)}));
}

TEST_F(ListStrings, MachineElementIsCutBeforeConversion)
{
    const std::string zeros50(ELEMENT_KEPT - 1, '0');
    /* 51 bytes ending in 7 fit whole; 52 bytes lose the 7 and read as 0. */
    const std::string text =
        zeros50 + "7;" + zeros50 + "07;" + std::string(300, '9') + ";-;" + zeros50 + "3;";
    EXPECT_EQ(MachineLines(text.c_str()), (Lines{Tm(7), Sep(), Hm(3)}));
}

TEST_F(ListStrings, MachineLinesAreTheLabelsThemselves)
{
    std::vector<const char *> seen;
    WalkMachineList(
        "12;-;4;",
        [](const char *line, void *context) { ((std::vector<const char *> *)context)->push_back(line); },
        &seen);
    EXPECT_EQ(seen, (std::vector<const char *>{tmLabel[12], SEPARATOR_LINE, hmLabel[4]}));
}

/* Every list string of the catalogue walks into exactly its elements, none of them cut,
   and every machine number into its label. */
TEST_F(ListStrings, CatalogueListsWalkCompletely)
{
    std::vector<const char *> moveLists;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        moveLists.push_back(moveListText[entry + 1]);
    for (int form = 0; form < FORM_COUNT; ++form)
        moveLists.push_back(formMoveListText[form]);
    for (const char *text : moveLists) {
        ASSERT_NE(text, (const char *)NULL);
        SCOPED_TRACE(text);
        const Lines elements = Elements(text);
        EXPECT_FALSE(elements.empty());
        EXPECT_EQ(MoveLines(text), elements);
    }

    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const char *text = machineListText[entry + 1];
        ASSERT_NE(text, (const char *)NULL);
        SCOPED_TRACE(text);
        Lines expected;
        bool hmPart = false;
        for (const std::string &element : Elements(text)) {
            if (element == "-") {
                ASSERT_FALSE(hmPart) << "second divider";
                hmPart = true;
                expected.push_back(Sep());
                continue;
            }
            const int number = std::atoi(element.c_str());
            ASSERT_GE(number, 1) << element;
            ASSERT_LE(number, hmPart ? HM_COUNT : TM_COUNT) << element;
            expected.push_back(hmPart ? Hm(number) : Tm(number));
        }
        if (!hmPart)
            expected.push_back(Sep());
        EXPECT_EQ(MachineLines(text), expected);
    }
}
