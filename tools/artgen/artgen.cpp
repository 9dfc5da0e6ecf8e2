// The whole art set of the viewer in memory: bitmaps, icon, resource lines, contact sheet.
// Every byte follows from the tables and the drawers, so a rerun reproduces the committed files.
#include "artgen.h"

#include <cstdio>
#include <filesystem>
#include <map>

#include "creature_plan.h"
#include "creatures.h"
#include "pixel_font.h"
#include "resource.h"
#include "ui_images.h"

const char *const kBitmapDir = "bitmaps";
const char *const kIconFile = "zoravel.ico";
const char *const kResourceFile = "bitmaps.rc";
const char *const kContactSheet = "contact-sheet.png";

namespace {

const int kFullPalette = 256;
const int kTypeIconPalette = 16;
// The two pictures with shorter palettes: the small cloud puff and the prism dragon.
const int kShortPaletteEntry = 46;
const int kShortPaletteLength = 26;
const int kTrimmedPaletteEntry = 106;
const int kTrimmedPaletteLength = 236;
const int kIconSizes[] = {32, 16};

std::string BitmapPath(const std::string &name)
{
    return std::string(kBitmapDir) + "/" + name;
}

std::string NumberedName(const char *prefix, int id)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s_%d.bmp", prefix, id);
    return name;
}

const char *TypeIdName(int id)
{
    static const std::map<int, const char *> kNames = {
        {IDB_TYPE_INSECT,       "IDB_TYPE_INSECT"      },
        {IDB_TYPE_DARK,         "IDB_TYPE_DARK"        },
        {IDB_TYPE_DRAGON,       "IDB_TYPE_DRAGON"      },
        {IDB_TYPE_ELECTRIC,     "IDB_TYPE_ELECTRIC"    },
        {IDB_TYPE_FIGHTING,     "IDB_TYPE_FIGHTING"    },
        {IDB_TYPE_FIRE,         "IDB_TYPE_FIRE"        },
        {IDB_TYPE_FLYING,       "IDB_TYPE_FLYING"      },
        {IDB_TYPE_GHOST,        "IDB_TYPE_GHOST"       },
        {IDB_TYPE_GRASS,        "IDB_TYPE_GRASS"       },
        {IDB_TYPE_GROUND,       "IDB_TYPE_GROUND"      },
        {IDB_TYPE_ICE,          "IDB_TYPE_ICE"         },
        {IDB_TYPE_NORMAL,       "IDB_TYPE_NORMAL"      },
        {IDB_TYPE_PSYCHIC,      "IDB_TYPE_PSYCHIC"     },
        {IDB_TYPE_ROCK,         "IDB_TYPE_ROCK"        },
        {IDB_TYPE_STEEL,        "IDB_TYPE_STEEL"       },
        {IDB_TYPE_POISON,       "IDB_TYPE_POISON"      },
        {IDB_TYPE_WATER,        "IDB_TYPE_WATER"       },
        {IDB_TAB_INFO_OFF,      "IDB_TAB_INFO_OFF"     },
        {IDB_TAB_INFO_ON,       "IDB_TAB_INFO_ON"      },
        {IDB_TAB_MOVES_OFF,     "IDB_TAB_MOVES_OFF"    },
        {IDB_TAB_MOVES_ON,      "IDB_TAB_MOVES_ON"     },
        {IDB_TAB_MACHINES_OFF,  "IDB_TAB_MACHINES_OFF" },
        {IDB_TAB_MACHINES_ON,   "IDB_TAB_MACHINES_ON"  },
        {IDB_TAB_EVOLUTION_ON,  "IDB_TAB_EVOLUTION_ON" },
        {IDB_TAB_EVOLUTION_OFF, "IDB_TAB_EVOLUTION_OFF"},
        {IDB_SYMBOL_FEMALE,     "IDB_SYMBOL_FEMALE"    },
        {IDB_SYMBOL_MALE,       "IDB_SYMBOL_MALE"      },
        {IDB_FORM1_PICTURE,     "IDB_FORM1_PICTURE"    },
        {IDB_FORM2_PICTURE,     "IDB_FORM2_PICTURE"    },
    };
    return kNames.at(id);
}

std::string ResourceLine(const std::string &name, const char *kind, const std::string &path)
{
    std::string line = name;
    line.resize(std::max<size_t>(line.size() + 1, 22), ' ');
    return line + kind + " \"" + path + "\"\n";
}

std::string ResourceScript()
{
    std::string rc = "// Bitmaps and icon of the viewer, written by tools/artgen; do not edit by hand.\n"
                     "// Included by zoravel.rc; paths are relative to res/.\n"
                     "#include \"resource.h\"\n\n"
                     "LANGUAGE 0x15, 0x01\n\n"
                     "// Creature pictures, IDB_PICTURE_BASE + EntryIndex.\n";
    for (int n = 0; n < kPictureCount; ++n) {
        const PictureRef ref = PictureAt(n);
        if (ref.form != 0)
            continue;
        rc += ResourceLine(std::to_string(ref.id), "BITMAP", BitmapPath(PictureFileName(ref.id)));
    }
    rc += "\n// Type icons.\n";
    for (const TypeIconRow &t : kTypeIcons)
        rc += ResourceLine(TypeIdName(t.id), "BITMAP", BitmapPath(NumberedName("type", t.id)));
    rc += "\n// Tab buttons.\n";
    for (const TabRow &t : kTabs)
        rc += ResourceLine(TypeIdName(t.id), "BITMAP", BitmapPath(NumberedName("tab", t.id)));
    rc += "\n// Gender symbols.\n";
    for (int id : {IDB_SYMBOL_FEMALE, IDB_SYMBOL_MALE})
        rc += ResourceLine(TypeIdName(id), "BITMAP", BitmapPath(NumberedName("symbol", id)));
    rc += "\n// Pictures of the form entry in its second and third form.\n";
    for (int id : {IDB_FORM1_PICTURE, IDB_FORM2_PICTURE})
        rc += ResourceLine(TypeIdName(id), "BITMAP", BitmapPath(PictureFileName(id)));
    rc += "\n// Program icon.\n";
    rc += ResourceLine("IDI_MAIN", "ICON", kIconFile);
    return rc;
}

// --- Contact sheet -------------------------------------------------------------------------

const Rgb kSheetBackground = {214, 218, 226};
const Rgb kSheetFrame = {150, 156, 170};
const Rgb kSheetInk = {36, 36, 48};
const int kSheetMargin = 10;
const int kSheetColumns = 10;
const int kCellWidth = 90;
const int kCellHeight = 104;
const int kLabelZoom = 2;
const int kUiZoom = 2;

void DrawLabel(Raster &sheet, const std::string &text, int x, int y)
{
    for (PixelPos p : TextPixels(text, FontKind::kTiny, 0, 0))
        FillRect(sheet, x + p.x * kLabelZoom, y + p.y * kLabelZoom, kLabelZoom, kLabelZoom, kSheetInk);
}

void FramedBlit(Raster &sheet, const Raster &image, int x, int y, int zoom)
{
    FillRect(sheet, x - 1, y - 1, image.width * zoom + 2, image.height * zoom + 2, kSheetFrame);
    Blit(sheet, image, x, y, zoom);
}

Raster Decode(const std::vector<GeneratedFile> &art, const std::string &path)
{
    for (const GeneratedFile &f : art)
        if (f.path == path)
            return DecodeBmp(f.bytes).raster;
    return MakeRaster(1, 1, kBlack);
}

} // namespace

int PicturePaletteLength(int n)
{
    const PictureRef ref = PictureAt(n);
    if (ref.form == 0 && ref.entry == kShortPaletteEntry)
        return kShortPaletteLength;
    if (ref.form == 0 && ref.entry == kTrimmedPaletteEntry)
        return kTrimmedPaletteLength;
    return kFullPalette;
}

std::string PictureFileName(int id)
{
    return NumberedName("picture", id);
}

std::vector<GeneratedFile> GenerateArt()
{
    std::vector<GeneratedFile> files;
    for (int n = 0; n < kPictureCount; ++n) {
        const PictureRef ref = PictureAt(n);
        files.push_back({BitmapPath(PictureFileName(ref.id)),
                         EncodeBmpIndexed(DrawCreature(ref.entry, ref.form), 8, PicturePaletteLength(n))});
    }
    for (const TypeIconRow &t : kTypeIcons)
        files.push_back(
            {BitmapPath(NumberedName("type", t.id)), EncodeBmpIndexed(DrawTypeIcon(t), 4, kTypeIconPalette)});
    for (const TabRow &t : kTabs)
        files.push_back({BitmapPath(NumberedName("tab", t.id)), EncodeBmp24(DrawTab(t))});
    files.push_back({BitmapPath(NumberedName("symbol", IDB_SYMBOL_FEMALE)),
                     EncodeBmpIndexed(DrawFemaleSymbol(), 8, kFullPalette)});
    files.push_back({BitmapPath(NumberedName("symbol", IDB_SYMBOL_MALE)),
                     EncodeBmpIndexed(DrawMaleSymbol(), 8, kFullPalette)});
    std::vector<IconImage> icon;
    for (int size : kIconSizes) {
        IconImage image;
        image.raster = DrawIconHead(size, image.opaque);
        icon.push_back(image);
    }
    files.push_back({kIconFile, EncodeIco(icon)});
    const std::string rc = ResourceScript();
    files.push_back({kResourceFile, Bytes(rc.begin(), rc.end())});
    return files;
}

GeneratedFile MakeContactSheet(const std::vector<GeneratedFile> &art)
{
    const int pictureRows = (kPictureCount + kSheetColumns - 1) / kSheetColumns;
    const int uiTop = kSheetMargin + pictureRows * kCellHeight + kSheetMargin;
    const int width = kSheetMargin * 2 + kSheetColumns * kCellWidth;
    const int height = uiTop + 3 * 64 + kSheetMargin;
    Raster sheet = MakeRaster(width, height, kSheetBackground);
    char label[16];
    for (int n = 0; n < kPictureCount; ++n) {
        const PictureRef ref = PictureAt(n);
        const int x = kSheetMargin + (n % kSheetColumns) * kCellWidth + 5;
        const int y = kSheetMargin + (n / kSheetColumns) * kCellHeight;
        FramedBlit(sheet, Decode(art, BitmapPath(PictureFileName(ref.id))), x, y, 1);
        DrawLabel(sheet, PictureLabel(ref, label, sizeof label), x, y + 84);
    }
    int x = kSheetMargin + 1, y = uiTop;
    for (const TypeIconRow &t : kTypeIcons) {
        if (x + kTypeIconWidth * kUiZoom > width - kSheetMargin) {
            x = kSheetMargin + 1;
            y += kTypeIconHeight * kUiZoom + 8;
        }
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("type", t.id))), x, y, kUiZoom);
        x += kTypeIconWidth * kUiZoom + 8;
    }
    x = kSheetMargin + 1;
    y += kTypeIconHeight * kUiZoom + 14;
    for (const TabRow &t : kTabs) {
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("tab", t.id))), x, y, kUiZoom);
        x += kTabWidth * kUiZoom + 8;
    }
    for (int id : {IDB_SYMBOL_FEMALE, IDB_SYMBOL_MALE}) {
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("symbol", id))), x, y, kUiZoom);
        x += kSymbolWidth * kUiZoom + 8;
    }
    for (int size : kIconSizes) {
        std::vector<uint8_t> opaque;
        const Raster head = DrawIconHead(size, opaque);
        Raster shown = MakeRaster(size, size, kSheetBackground);
        for (int j = 0; j < size; ++j)
            for (int i = 0; i < size; ++i)
                if (opaque[static_cast<size_t>(j) * size + i])
                    SetPixel(shown, i, j, GetPixel(head, i, j));
        Blit(sheet, shown, x, y, kUiZoom);
        x += size * kUiZoom + 8;
    }
    return {kContactSheet, EncodePng(sheet)};
}

void WriteArt(const std::string &dir, const std::vector<GeneratedFile> &files)
{
    std::filesystem::create_directories(std::filesystem::path(dir) / kBitmapDir);
    for (const GeneratedFile &f : files)
        WriteFileBytes((std::filesystem::path(dir) / f.path).string(), f.bytes);
}
