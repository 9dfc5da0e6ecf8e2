/* The whole art set of the viewer in memory: bitmaps, icon, resource lines, contact sheet.
   Every byte follows from the tables and the drawers, so a rerun reproduces the committed files. */
#include "artgen.h"

#include <cstdio>
#include <filesystem>
#include <map>

#include "creature_plan.h"
#include "creatures.h"
#include "pixel_font.h"
#include "resource.h"
#include "ui_images.h"

const char *const BITMAP_DIR = "bitmaps";
const char *const ICON_FILE = "zoravel.ico";
const char *const RESOURCE_FILE = "bitmaps.rc";
const char *const CONTACT_SHEET = "contact-sheet.png";

static const int FULL_PALETTE = 256;
static const int TYPE_ICON_PALETTE = 16;
/* The two pictures with shorter palettes: the small cloud puff and the sleeping dragon. */
static const int SHORT_PALETTE_ENTRY = 8;
static const int SHORT_PALETTE_LENGTH = 26;
static const int TRIMMED_PALETTE_ENTRY = 106;
static const int TRIMMED_PALETTE_LENGTH = 236;
static const int ICON_SIZES[] = {32, 16};

static std::string BitmapPath(const std::string &name)
{
    return std::string(BITMAP_DIR) + "/" + name;
}

static std::string NumberedName(const char *prefix, int id)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s_%d.bmp", prefix, id);
    return name;
}

static const char *TypeIdName(int id)
{
    static const std::map<int, const char *> NAMES = {
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
    return NAMES.at(id);
}

static std::string ResourceLine(const std::string &name, const char *kind, const std::string &path)
{
    std::string line = name;
    line.resize(std::max<size_t>(line.size() + 1, 22), ' ');
    return line + kind + " \"" + path + "\"\n";
}

static std::string ResourceScript()
{
    std::string rc = "// Bitmaps and icon of the viewer, written by tools/artgen; do not edit by hand.\n"
                     "// Included by zoravel.rc; paths are relative to res/.\n"
                     "#include \"resource.h\"\n\n"
                     "LANGUAGE 0x15, 0x01\n\n"
                     "// Creature pictures, IDB_PICTURE_BASE + EntryIndex.\n";
    for (int n = 0; n < PICTURE_COUNT; ++n) {
        const PictureRef ref = PictureAt(n);
        if (ref.form != 0)
            continue;
        rc += ResourceLine(std::to_string(ref.id), "BITMAP", BitmapPath(PictureFileName(ref.id)));
    }
    rc += "\n// Type icons.\n";
    for (const TypeIconRow &t : TYPE_ICONS)
        rc += ResourceLine(TypeIdName(t.id), "BITMAP", BitmapPath(NumberedName("type", t.id)));
    rc += "\n// Tab buttons.\n";
    for (const TabRow &t : TABS)
        rc += ResourceLine(TypeIdName(t.id), "BITMAP", BitmapPath(NumberedName("tab", t.id)));
    rc += "\n// Gender symbols.\n";
    for (int id : {IDB_SYMBOL_FEMALE, IDB_SYMBOL_MALE})
        rc += ResourceLine(TypeIdName(id), "BITMAP", BitmapPath(NumberedName("symbol", id)));
    rc += "\n// Pictures of the form entry in its second and third form.\n";
    for (int id : {IDB_FORM1_PICTURE, IDB_FORM2_PICTURE})
        rc += ResourceLine(TypeIdName(id), "BITMAP", BitmapPath(PictureFileName(id)));
    rc += "\n// Program icon.\n";
    rc += ResourceLine("IDI_MAIN", "ICON", ICON_FILE);
    return rc;
}

/* --- Contact sheet ------------------------------------------------------------------------- */

static const Rgb SHEET_BACKGROUND = {214, 218, 226};
static const Rgb SHEET_FRAME = {150, 156, 170};
static const Rgb SHEET_INK = {36, 36, 48};
static const int SHEET_MARGIN = 10;
static const int SHEET_COLUMNS = 10;
static const int CELL_WIDTH = 90;
static const int CELL_HEIGHT = 104;
static const int LABEL_ZOOM = 2;
static const int UI_ZOOM = 2;

static void DrawLabel(Raster &sheet, const std::string &text, int x, int y)
{
    for (PixelPos p : TextPixels(text, FONT_TINY, 0, 0))
        FillRect(sheet, x + p.x * LABEL_ZOOM, y + p.y * LABEL_ZOOM, LABEL_ZOOM, LABEL_ZOOM, SHEET_INK);
}

static void FramedBlit(Raster &sheet, const Raster &image, int x, int y, int zoom)
{
    FillRect(sheet, x - 1, y - 1, image.width * zoom + 2, image.height * zoom + 2, SHEET_FRAME);
    Blit(sheet, image, x, y, zoom);
}

static Raster Decode(const std::vector<GeneratedFile> &art, const std::string &path)
{
    for (const GeneratedFile &f : art)
        if (f.path == path)
            return DecodeBmp(f.bytes).raster;
    return MakeRaster(1, 1, BLACK);
}

int PicturePaletteLength(int n)
{
    const PictureRef ref = PictureAt(n);
    if (ref.form == 0 && ref.entry == SHORT_PALETTE_ENTRY)
        return SHORT_PALETTE_LENGTH;
    if (ref.form == 0 && ref.entry == TRIMMED_PALETTE_ENTRY)
        return TRIMMED_PALETTE_LENGTH;
    return FULL_PALETTE;
}

std::string PictureFileName(int id)
{
    return NumberedName("picture", id);
}

std::vector<GeneratedFile> GenerateArt()
{
    std::vector<GeneratedFile> files;
    for (int n = 0; n < PICTURE_COUNT; ++n) {
        const PictureRef ref = PictureAt(n);
        files.push_back({BitmapPath(PictureFileName(ref.id)),
                         EncodeBmpIndexed(DrawCreature(ref.entry, ref.form), 8, PicturePaletteLength(n))});
    }
    for (const TypeIconRow &t : TYPE_ICONS)
        files.push_back({BitmapPath(NumberedName("type", t.id)),
                         EncodeBmpIndexed(DrawTypeIcon(t), 4, TYPE_ICON_PALETTE)});
    for (const TabRow &t : TABS)
        files.push_back({BitmapPath(NumberedName("tab", t.id)), EncodeBmp24(DrawTab(t))});
    files.push_back({BitmapPath(NumberedName("symbol", IDB_SYMBOL_FEMALE)),
                     EncodeBmpIndexed(DrawFemaleSymbol(), 8, FULL_PALETTE)});
    files.push_back({BitmapPath(NumberedName("symbol", IDB_SYMBOL_MALE)),
                     EncodeBmpIndexed(DrawMaleSymbol(), 8, FULL_PALETTE)});
    std::vector<IconImage> icon;
    for (int size : ICON_SIZES) {
        IconImage image;
        image.raster = DrawIconHead(size, image.opaque);
        icon.push_back(image);
    }
    files.push_back({ICON_FILE, EncodeIco(icon)});
    const std::string rc = ResourceScript();
    files.push_back({RESOURCE_FILE, Bytes(rc.begin(), rc.end())});
    return files;
}

GeneratedFile MakeContactSheet(const std::vector<GeneratedFile> &art)
{
    const int pictureRows = (PICTURE_COUNT + SHEET_COLUMNS - 1) / SHEET_COLUMNS;
    const int uiTop = SHEET_MARGIN + pictureRows * CELL_HEIGHT + SHEET_MARGIN;
    const int width = SHEET_MARGIN * 2 + SHEET_COLUMNS * CELL_WIDTH;
    const int height = uiTop + 3 * 64 + SHEET_MARGIN;
    Raster sheet = MakeRaster(width, height, SHEET_BACKGROUND);
    char label[16];
    for (int n = 0; n < PICTURE_COUNT; ++n) {
        const PictureRef ref = PictureAt(n);
        const int x = SHEET_MARGIN + (n % SHEET_COLUMNS) * CELL_WIDTH + 5;
        const int y = SHEET_MARGIN + (n / SHEET_COLUMNS) * CELL_HEIGHT;
        FramedBlit(sheet, Decode(art, BitmapPath(PictureFileName(ref.id))), x, y, 1);
        DrawLabel(sheet, PictureLabel(ref, label, sizeof label), x, y + 84);
    }
    int x = SHEET_MARGIN + 1, y = uiTop;
    for (const TypeIconRow &t : TYPE_ICONS) {
        if (x + TYPE_ICON_WIDTH * UI_ZOOM > width - SHEET_MARGIN) {
            x = SHEET_MARGIN + 1;
            y += TYPE_ICON_HEIGHT * UI_ZOOM + 8;
        }
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("type", t.id))), x, y, UI_ZOOM);
        x += TYPE_ICON_WIDTH * UI_ZOOM + 8;
    }
    x = SHEET_MARGIN + 1;
    y += TYPE_ICON_HEIGHT * UI_ZOOM + 14;
    for (const TabRow &t : TABS) {
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("tab", t.id))), x, y, UI_ZOOM);
        x += TAB_WIDTH * UI_ZOOM + 8;
    }
    for (int id : {IDB_SYMBOL_FEMALE, IDB_SYMBOL_MALE}) {
        FramedBlit(sheet, Decode(art, BitmapPath(NumberedName("symbol", id))), x, y, UI_ZOOM);
        x += SYMBOL_WIDTH * UI_ZOOM + 8;
    }
    for (int size : ICON_SIZES) {
        std::vector<uint8_t> opaque;
        const Raster head = DrawIconHead(size, opaque);
        Raster shown = MakeRaster(size, size, SHEET_BACKGROUND);
        for (int j = 0; j < size; ++j)
            for (int i = 0; i < size; ++i)
                if (opaque[j * size + i])
                    SetPixel(shown, i, j, GetPixel(head, i, j));
        Blit(sheet, shown, x, y, UI_ZOOM);
        x += size * UI_ZOOM + 8;
    }
    return {CONTACT_SHEET, EncodePng(sheet)};
}

void WriteArt(const std::string &resDir, const std::string &docsDir, const std::vector<GeneratedFile> &files)
{
    std::filesystem::create_directories(std::filesystem::path(resDir) / BITMAP_DIR);
    std::filesystem::create_directories(docsDir);
    for (const GeneratedFile &f : files) {
        const std::string &dir = f.path == CONTACT_SHEET ? docsDir : resDir;
        WriteFileBytes((std::filesystem::path(dir) / f.path).string(), f.bytes);
    }
}
