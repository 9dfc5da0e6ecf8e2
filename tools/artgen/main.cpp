/* zoravel-artgen: writes every bitmap, the icon and bitmaps.rc of the viewer into the directory
   named by its first argument, the contact sheet into the second (the tree's res/ and docs/). */
#include <cstdio>
#include <exception>

#include "artgen.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zoravel-artgen RES_DIRECTORY DOCS_DIRECTORY\n");
        return 2;
    }
    try {
        std::vector<GeneratedFile> files = GenerateArt();
        files.push_back(MakeContactSheet(files));
        WriteArt(argv[1], argv[2], files);
        std::printf("wrote %zu files to %s and the contact sheet to %s\n", files.size() - 1, argv[1],
                    argv[2]);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "zoravel-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
