/* The whole art set of the viewer in memory: every bitmap, the icon, the resource lines
   that embed them and the contact sheet, each with its path below the output directory. */
#ifndef ZORAVEL_ARTGEN_ARTGEN_H
#define ZORAVEL_ARTGEN_ARTGEN_H

#include <string>
#include <vector>

#include "image_files.h"

struct GeneratedFile {
    std::string path; /* relative, with forward slashes */
    Bytes bytes;
};

/* Paths of the pieces inside the output directory. */
extern const char *const BITMAP_DIR;    /* "bitmaps" */
extern const char *const ICON_FILE;     /* "zoravel.ico" */
extern const char *const RESOURCE_FILE; /* "bitmaps.rc" */
extern const char *const CONTACT_SHEET; /* "contact-sheet.png" */

/* Palette length of picture n (0..108 in id order): 256 except for two shorter ones. */
int PicturePaletteLength(int n);
std::string PictureFileName(int id);

/* Everything except the contact sheet. */
std::vector<GeneratedFile> GenerateArt();
/* The contact sheet of an already generated set. */
GeneratedFile MakeContactSheet(const std::vector<GeneratedFile> &art);
/* Writes the files below resDir, creating the bitmap directory, and the contact sheet into
   docsDir: the tree's res/ and docs/, or two scratch directories. */
void WriteArt(const std::string &resDir, const std::string &docsDir, const std::vector<GeneratedFile> &files);

#endif
