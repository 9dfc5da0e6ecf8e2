/* Writes every list string of the catalogue as one seed file for the list walk fuzzer.
   Usage: write_seeds DIR; files are named by table and slot. */
#include <cstdio>
#include <cstring>

#include "catalogue/catalogue.h"

static bool WriteSeed(const char *dir, const char *table, int slot, const char *text)
{
    char path[1024];
    std::snprintf(path, sizeof path, "%s/%s-%03d", dir, table, slot);
    std::FILE *file = std::fopen(path, "wb");
    if (file == NULL) {
        std::perror(path);
        return false;
    }
    const size_t length = std::strlen(text);
    const bool written = std::fwrite(text, 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    InitCatalogue();
    int seeds = 0;
    bool ok = true;
    for (int slot = 1; slot < ENTRY_SLOTS; ++slot) {
        ok = ok && WriteSeed(argv[1], "move", slot, moveListText[slot]);
        ok = ok && WriteSeed(argv[1], "machine", slot, machineListText[slot]);
        seeds += 2;
    }
    for (int form = 0; form < FORM_COUNT; ++form) {
        ok = ok && WriteSeed(argv[1], "form", form, formMoveListText[form]);
        ++seeds;
    }
    if (!ok)
        return 1;
    std::printf("%d seeds written to %s\n", seeds, argv[1]);
    return 0;
}
