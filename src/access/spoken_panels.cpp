/* The entry and the drawn panels as sentences for a screen reader, from the same tables and line
   builders the painters use. Every text is bounded by its buffer; nothing here is kept between calls. */
#include "access/spoken_panels.h"

#include "catalogue/catalogue.h"
#include "draw/info_lines.h"
#include "resource.h"

#include <stdio.h>
#include <string.h>

#include <initializer_list>

/* The icons show a word cut to their width; said in full. */
/* clang-format off */
static const char *const typeWords[] = {
    "robak",         /* 210 IDB_TYPE_INSECT */
    "mrok",          /* 211 IDB_TYPE_DARK */
    "smok",          /* 212 IDB_TYPE_DRAGON */
    "elektryczność", /* 213 IDB_TYPE_ELECTRIC */
    "walka",         /* 214 IDB_TYPE_FIGHTING */
    "ogień",         /* 215 IDB_TYPE_FIRE */
    "lot",           /* 216 IDB_TYPE_FLYING */
    "duch",          /* 217 IDB_TYPE_GHOST */
    "trawa",         /* 218 IDB_TYPE_GRASS */
    "ziemia",        /* 219 IDB_TYPE_GROUND */
    "lód",           /* 220 IDB_TYPE_ICE */
    "normalny",      /* 221 IDB_TYPE_NORMAL */
    "psychika",      /* 222 IDB_TYPE_PSYCHIC */
    "kamień",        /* 223 IDB_TYPE_ROCK */
    "stal",          /* 224 IDB_TYPE_STEEL */
    "trucizna",      /* 225 IDB_TYPE_POISON */
    "woda",          /* 226 IDB_TYPE_WATER */
};
/* clang-format on */

const char *TypeWord(unsigned short iconId)
{
    if (iconId < IDB_TYPE_INSECT || iconId > IDB_TYPE_WATER)
        return NULL;
    return typeWords[iconId - IDB_TYPE_INSECT];
}

/* Text said so far, cut at the buffer's end. */
struct Speech {
    char *text;
    size_t size;
    size_t length;
};

static void SayPart(Speech &speech, const char *part, size_t length)
{
    for (size_t i = 0; i < length && speech.length + 1 < speech.size; ++i)
        speech.text[speech.length++] = part[i];
    speech.text[speech.length] = '\0';
}

static void Say(Speech &speech, const char *part)
{
    SayPart(speech, part, strlen(part));
}

template <size_t SIZE> static Speech StartSpeech(char (&text)[SIZE])
{
    text[0] = '\0';
    Speech speech = {text, SIZE, 0};
    return speech;
}

int SpokenEntry(unsigned entry, int form, char (&text)[SPOKEN_TEXT_SIZE])
{
    Speech speech = StartSpeech(text);
    if (entry >= (unsigned)ENTRY_COUNT)
        return 0;
    /* The number with its full stop, as the header draws it. */
    char number[16];
    snprintf(number, sizeof number, "%d. ", (int)entry + FIRST_NUMBER);
    Say(speech, number);
    Say(speech, entryName[entry]);
    if ((int)entry == FORM_ENTRY && form >= 0 && form < FORM_COUNT) {
        snprintf(number, sizeof number, ", forma %d", form + 1);
        Say(speech, number);
    }
    return (int)speech.length;
}

int SpokenInfoPanel(unsigned entry, int form, char (&text)[SPOKEN_TEXT_SIZE])
{
    Speech speech = StartSpeech(text);
    if (entry >= (unsigned)ENTRY_COUNT)
        return 0;
    unsigned slot = EntrySlot(entry);
    unsigned short second = secondaryTypeIcon[slot];
    /* The form entry's second type follows the form shown, as its panel draws it. */
    if ((int)entry == FORM_ENTRY && form >= 0 && form < FORM_COUNT)
        second = formSecondaryTypeIcon[form];
    Say(speech, "Typ:");
    const char *separator = " ";
    for (unsigned short icon : {primaryTypeIcon[slot], second})
        if (TypeWord(icon)) {
            Say(speech, separator);
            Say(speech, TypeWord(icon));
            separator = ", ";
        }
    char heightLine[HEIGHT_LINE_SIZE];
    char weightLine[WEIGHT_LINE_SIZE];
    FormatHeightLine(heightCm[slot], heightLine);
    FormatWeightLine(weightTenthKg[slot], weightLine);
    Say(speech, ". ");
    Say(speech, heightLine);
    Say(speech, ". ");
    Say(speech, weightLine);
    return (int)speech.length;
}

/* A stretch of a line, blanks trimmed from both ends. */
struct Span {
    const char *start;
    size_t length;
};

static Span Trimmed(const char *start, const char *end)
{
    while (start < end && *start == ' ')
        ++start;
    while (end > start && end[-1] == ' ')
        --end;
    Span span = {start, (size_t)(end - start)};
    return span;
}

static bool Begins(const Span &span, const char *prefix)
{
    size_t length = strlen(prefix);
    return span.length >= length && memcmp(span.start, prefix, length) == 0;
}

static bool AllDigits(const char *start, size_t length)
{
    for (size_t i = 0; i < length; ++i)
        if (start[i] < '0' || start[i] > '9')
            return false;
    return length > 0;
}

/* The condition between the arrow's hyphens: a level, a level-up, happiness (with a time of day) or an
   item, in words that read on from "A ewoluuje w B". */
static void SayCondition(Speech &speech, const Span &condition)
{
    static const char LEVEL[] = "Lv. ";
    static const char HAPPINESS[] = "Szczęście";
    const size_t levelLength = sizeof LEVEL - 1, happinessLength = sizeof HAPPINESS - 1;
    if (Begins(condition, LEVEL) &&
        AllDigits(condition.start + levelLength, condition.length - levelLength)) {
        Say(speech, " na poziomie ");
        SayPart(speech, condition.start + levelLength, condition.length - levelLength);
    } else if (condition.length == 6 && Begins(condition, "Lv. Up")) {
        Say(speech, " po awansie na kolejny poziom");
    } else if (Begins(condition, HAPPINESS)) {
        Say(speech, " dzięki szczęściu");
        SayPart(speech, condition.start + happinessLength, condition.length - happinessLength);
    } else if (condition.length > 0) {
        Say(speech, " z przedmiotem ");
        SayPart(speech, condition.start, condition.length);
    }
}

/* A name, and the gender word after it when the mark is its own. */
static void SayName(Speech &speech, const Span &name, const char *&gender)
{
    SayPart(speech, name.start, name.length);
    if (gender) {
        Say(speech, ", ");
        Say(speech, gender);
        Say(speech, ",");
        gender = NULL;
    }
}

static const char *GenderWord(const LineMarks &marks)
{
    if (marks.female && marks.male)
        return "samica i samiec";
    if (marks.female)
        return "samica";
    return marks.male ? "samiec" : NULL;
}

/* A breeding note: "A <---dziecko--- B", the child A of the parent B. */
static bool SayBreeding(Speech &speech, const char *line, const char *&gender, Span &lastName)
{
    const char *arrow = strstr(line, "<-");
    if (!arrow)
        return false;
    const char *word = arrow + 1;
    while (*word == '-')
        ++word;
    const char *wordEnd = strchr(word, '-');
    if (!wordEnd)
        return false;
    const char *parent = wordEnd;
    while (*parent == '-')
        ++parent;
    Span child = Trimmed(line, arrow);
    SayName(speech, child, gender);
    Say(speech, " to ");
    Span relation = Trimmed(word, wordEnd);
    SayPart(speech, relation.start, relation.length);
    Say(speech, ", rodzic: ");
    Span parentName = Trimmed(parent, parent + strlen(parent));
    SayName(speech, parentName, gender);
    lastName = child;
    return true;
}

/* Every step of a line: "A --COND--> B", the first name left out when the line goes on from the other
   one. The gender mark covers the blanks after the name it marks. */
static bool SaySteps(Speech &speech, const char *line, const char *&gender, Span &lastName)
{
    const char *markedBlanks = strstr(line, "  ");
    const char *from = line;
    bool spoken = false;
    for (const char *head = strstr(from, "->"); head; head = strstr(from, "->")) {
        const char *closing = head;
        while (closing > from && closing[-1] == '-')
            --closing;
        const char *opening = NULL, *openingEnd = NULL;
        for (const char *c = closing - 1; c > from && !opening; --c)
            if (c[0] == '-' && c[-1] == '-') {
                openingEnd = c + 1;
                opening = c - 1;
                while (opening > from && opening[-1] == '-')
                    --opening;
            }
        Span first = opening ? Trimmed(from, opening) : Trimmed(from, from);
        Span condition = opening ? Trimmed(openingEnd, closing) : Trimmed(from, closing);
        const char *after = head + 2;
        const char *end = strstr(after, "--");
        if (!end)
            end = after + strlen(after);
        Span second = Trimmed(after, end);

        if (spoken)
            Say(speech, ". ");
        Span subject = first.length > 0 ? first : lastName;
        const char *subjectGender = !markedBlanks || markedBlanks < head ? gender : NULL;
        if (subjectGender)
            gender = NULL;
        SayName(speech, subject, subjectGender);
        Say(speech, subject.length > 0 ? " ewoluuje" : "ewoluuje");
        if (second.length > 0) {
            Say(speech, " w ");
            SayName(speech, second, gender);
        }
        SayCondition(speech, condition);
        lastName = second.length > 0 ? second : subject;
        spoken = true;
        from = end;
    }
    return spoken;
}

/* Any other line (a note, "Brak"): its words as drawn, the blanks under a mark closed up. */
static void SayPlainLine(Speech &speech, const char *line, const char *&gender)
{
    bool blank = false;
    for (const char *c = line; *c; ++c) {
        if (*c == ' ') {
            blank = speech.length > 0;
            continue;
        }
        if (blank && speech.length > 0 && speech.text[speech.length - 1] != ' ')
            Say(speech, " ");
        blank = false;
        SayPart(speech, c, 1);
    }
    if (gender) {
        Say(speech, speech.length > 0 ? ", " : "");
        Say(speech, gender);
        gender = NULL;
    }
}

int SpokenEvolutionNote(const EvolutionNote &note, const LineMarks (&marks)[2],
                        char (&text)[SPOKEN_TEXT_SIZE])
{
    Speech speech = StartSpeech(text);
    Span lastName = {note.line1, 0};
    const char *lines[2] = {note.line1, note.line2};
    for (int i = 0; i < 2; ++i) {
        const char *gender = GenderWord(marks[i]);
        Span whole = Trimmed(lines[i], lines[i] + strlen(lines[i]));
        if (whole.length == 0 && !gender)
            continue;
        if (speech.length > 0)
            Say(speech, speech.text[speech.length - 1] == '.' ? " " : ". ");
        if (SayBreeding(speech, lines[i], gender, lastName) || SaySteps(speech, lines[i], gender, lastName))
            continue;
        /* A line's own words start after what the other line said. */
        char line[SPOKEN_TEXT_SIZE];
        Speech plain = StartSpeech(line);
        SayPlainLine(plain, lines[i], gender);
        Say(speech, line);
    }
    return (int)speech.length;
}
