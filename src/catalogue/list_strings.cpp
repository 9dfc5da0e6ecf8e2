/* Parsing of the move and machine list strings into list-box lines.
   Strings are parsed anew on every fill; nothing is kept between walks. */
#include "catalogue/list_strings.h"

#include <cstring>

#include "catalogue/catalogue.h"

const char SEPARATOR_LINE[] = "----------------------------------";

static const char LIST_SEPARATOR = ';';
static const char MACHINE_DIVIDER = '-';

/* Beyond any label number; larger values saturate here instead of overflowing. */
static const int NUMBER_CEILING = 1000000;

/* One step of the walk: copies the element at cursor into element and returns the cursor
   just after its ';', or a null pointer when no ';' is left. An element too long for the
   buffer keeps its first LIST_ELEMENT_BUFFER - 1 bytes; the cursor still skips all of it. */
static const char *NextElement(const char *cursor, char (&element)[LIST_ELEMENT_BUFFER])
{
    const int length = FindSeparator(cursor, 0);
    if (length < 0)
        return NULL;
    const int kept = length < LIST_ELEMENT_BUFFER - 1 ? length : LIST_ELEMENT_BUFFER - 1;
    std::memcpy(element, cursor, (size_t)kept);
    element[kept] = '\0';
    return cursor + length + 1;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/* atoi's reading of a decimal number (blanks, a sign, digits; no digits gives 0),
   saturating instead of overflowing on long digit runs. */
static int ElementNumber(const char *element)
{
    const char *c = element;
    while (IsBlank(*c))
        ++c;
    bool negative = false;
    if (*c == '+' || *c == '-') {
        negative = *c == '-';
        ++c;
    }
    int value = 0;
    for (; *c >= '0' && *c <= '9'; ++c)
        if (value < NUMBER_CEILING)
            value = value * 10 + (*c - '0');
    return negative ? -value : value;
}

/* A number without a label (0, a second divider, anything out of range) adds no line. */
static void AddLabel(const char *const labels[], int count, int number, ListLineSink sink, void *context)
{
    if (number >= 1 && number <= count && labels[number] != NULL)
        sink(labels[number], context);
}

int FindSeparator(const char *text, unsigned start)
{
    /* A start past the terminator would read outside the string. */
    for (unsigned i = 0; i < start; ++i)
        if (text[i] == '\0')
            return -1;
    if (text[start] == LIST_SEPARATOR)
        return (int)start;
    for (;;) {
        if (text[start] == '\0')
            return -1; /* the next index would lie past the end */
        ++start;
        if (text[start] == LIST_SEPARATOR)
            return (int)start;
    }
}

void WalkMoveList(const char *text, ListLineSink sink, void *context)
{
    if (text == NULL)
        return;
    char element[LIST_ELEMENT_BUFFER];
    for (const char *cursor = NextElement(text, element); cursor != NULL;
         cursor = NextElement(cursor, element))
        sink(element, context);
}

void WalkMachineList(const char *text, ListLineSink sink, void *context)
{
    char element[LIST_ELEMENT_BUFFER];
    const char *cursor = text != NULL ? text : "";

    for (const char *next = NextElement(cursor, element); next != NULL; next = NextElement(cursor, element)) {
        cursor = next;
        if (element[0] == MACHINE_DIVIDER)
            break;
        AddLabel(tmLabel, TM_COUNT, ElementNumber(element), sink, context);
    }

    sink(SEPARATOR_LINE, context);

    /* Without a divider the cursor stands before text with no ';', so this adds nothing. */
    for (const char *next = NextElement(cursor, element); next != NULL; next = NextElement(cursor, element)) {
        cursor = next;
        AddLabel(hmLabel, HM_COUNT, ElementNumber(element), sink, context);
    }
}
