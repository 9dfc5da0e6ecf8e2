/* The height and weight lines of the info panel, built in their fixed-size buffers.
   A value too wide for its buffer shows "?" in place of the number rather than a cut line. */
#include "draw/info_lines.h"

#include <cstdio>
#include <cstring>

static const char HEIGHT_LABEL[] = "Wzrost: ";
static const char HEIGHT_UNIT[] = " cm";
static const char WEIGHT_LABEL[] = "Masa: ";
static const char WEIGHT_UNIT[] = " kg";
static const char UNSHOWABLE_NUMBER[] = "?";

static const int NUMBER_TEXT_SIZE = 24; /* any int with sign, comma and terminator */

/* Room left for the number once label, unit and terminator are in the line. */
static const int HEIGHT_NUMBER_ROOM =
    HEIGHT_LINE_SIZE - (sizeof HEIGHT_LABEL - 1) - (sizeof HEIGHT_UNIT - 1) - 1;
static const int WEIGHT_NUMBER_ROOM =
    WEIGHT_LINE_SIZE - (sizeof WEIGHT_LABEL - 1) - (sizeof WEIGHT_UNIT - 1) - 1;

/* label + number + unit; a number wider than room becomes "?" so the line never lies
   about the value and never loses its unit. */
static int ComposeLine(char *line, size_t size, const char *label, const char *number, int room,
                       const char *unit)
{
    if ((int)std::strlen(number) > room)
        number = UNSHOWABLE_NUMBER;
    std::snprintf(line, size, "%s%s%s", label, number, unit);
    return (int)std::strlen(line);
}

/* Negative heights keep their sign ("-5"); heights fit from -9999 to 99999. */
int FormatHeightLine(int heightCm, char (&line)[HEIGHT_LINE_SIZE])
{
    char number[NUMBER_TEXT_SIZE];
    std::snprintf(number, sizeof number, "%d", heightCm);
    return ComposeLine(line, sizeof line, HEIGHT_LABEL, number, HEIGHT_NUMBER_ROOM, HEIGHT_UNIT);
}

/* Tenths of a kilogram as kilograms with a decimal comma; a negative weight keeps its sign
   on the whole value ("-0,6" from -6). Weights fit from -99999999 to 999999999. */
int FormatWeightLine(int weightTenthKg, char (&line)[WEIGHT_LINE_SIZE])
{
    /* Widened before negating, so the most negative int has a magnitude too. */
    const long long value = weightTenthKg;
    const unsigned long long magnitude = (unsigned long long)(value < 0 ? -value : value);
    char number[NUMBER_TEXT_SIZE];
    std::snprintf(number, sizeof number, "%s%llu,%llu", value < 0 ? "-" : "", magnitude / 10, magnitude % 10);
    return ComposeLine(line, sizeof line, WEIGHT_LABEL, number, WEIGHT_NUMBER_ROOM, WEIGHT_UNIT);
}
