/* zoravel-artgen: writes every bitmap, the icon, bitmaps.rc and the contact sheet of the
   viewer into the directory named by its one argument. */
#include <cstdio>
#include <exception>

#include "artgen.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zoravel-artgen OUTPUT_DIRECTORY\n");
        return 2;
    }
    try {
        std::vector<GeneratedFile> files = GenerateArt();
        files.push_back(MakeContactSheet(files));
        WriteArt(argv[1], files);
        std::printf("wrote %zu files to %s\n", files.size(), argv[1]);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zoravel-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
