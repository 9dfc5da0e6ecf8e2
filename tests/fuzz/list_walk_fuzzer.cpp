/* libFuzzer target: arbitrary bytes through the separator search and both list walks.
   Every line must be a real string: an element of at most 51 bytes, a label or the separator. */
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/list_strings.h"

static const size_t ELEMENT_MAX = LIST_ELEMENT_BUFFER - 1;

static void Require(bool condition)
{
    if (!condition)
        std::abort();
}

/* The elements as stored: start and length of each ';'-ended run before the terminator. */
struct Element {
    const char *start;
    size_t length;
};

static std::vector<Element> SplitElements(const char *text)
{
    std::vector<Element> elements;
    const char *begin = text;
    for (const char *c = text; *c != '\0'; ++c) {
        if (*c == ';') {
            elements.push_back({begin, (size_t)(c - begin)});
            begin = c + 1;
        }
    }
    return elements;
}

static bool IsLabel(const char *line, const char *const labels[], int count)
{
    for (int n = 1; n <= count; ++n)
        if (line == labels[n])
            return true;
    return false;
}

struct MoveWalk {
    std::vector<Element> elements;
    size_t lines;
};

/* A move line is the element itself, cut to the buffer when longer. */
static void CheckMoveLine(const char *line, void *context)
{
    MoveWalk &walk = *(MoveWalk *)context;
    Require(line != NULL);
    Require(walk.lines < walk.elements.size());
    const Element &element = walk.elements[walk.lines++];
    const size_t kept = element.length < ELEMENT_MAX ? element.length : ELEMENT_MAX;
    Require(std::memchr(line, '\0', ELEMENT_MAX + 1) == line + kept);
    Require(std::memcmp(line, element.start, kept) == 0);
}

struct MachineWalk {
    int separators;
    int tmLines;
    int hmLines;
};

/* TM labels, exactly one separator, then HM labels; nothing else. */
static void CheckMachineLine(const char *line, void *context)
{
    MachineWalk &walk = *(MachineWalk *)context;
    Require(line != NULL);
    if (line == SEPARATOR_LINE) {
        ++walk.separators;
    } else if (walk.separators == 0) {
        Require(IsLabel(line, tmLabel, TM_COUNT));
        ++walk.tmLines;
    } else {
        Require(IsLabel(line, hmLabel, HM_COUNT));
        ++walk.hmLines;
    }
    Require(walk.separators <= 1);
}

/* Compares FindSeparator with a plain scan, including a start past the terminator. */
static void CheckFindSeparator(const char *text, size_t length, unsigned start)
{
    int expected = -1;
    if (start <= length) {
        const char *found = std::strchr(text + start, ';');
        expected = found != NULL ? (int)(found - text) : -1;
    }
    Require(FindSeparator(text, start) == expected);
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    InitCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    /* An exact-size copy, so reading past the terminator trips ASan. */
    char *text = (char *)std::malloc(size + 1);
    Require(text != NULL);
    std::memcpy(text, data, size);
    text[size] = '\0';
    const size_t length = std::strlen(text);

    CheckFindSeparator(text, length, 0);
    if (size > 0)
        CheckFindSeparator(text, length, data[0] % (length + 2));

    MoveWalk moves = {SplitElements(text), 0};
    WalkMoveList(text, CheckMoveLine, &moves);
    Require(moves.lines == moves.elements.size());

    MachineWalk machines = {0, 0, 0};
    WalkMachineList(text, CheckMachineLine, &machines);
    Require(machines.separators == 1);
    Require((size_t)(machines.tmLines + machines.hmLines) < moves.elements.size() + 1);

    std::free(text);
    return 0;
}
