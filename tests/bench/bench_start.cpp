/* Start to first completed paint of ZoravelD.exe against the bare window, both started with
   CreateProcess and watched on the screen; then the .exe's size against its resource payload. */
#include "app/startup.h"
#include "bare_window.h"
#include "draw/layout.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

static_assert(BARE_WIDTH == MAIN_WINDOW_WIDTH && BARE_HEIGHT == MAIN_WINDOW_HEIGHT,
              "same size as the viewer");
static_assert(BARE_X == MAIN_WINDOW_X && BARE_Y == MAIN_WINDOW_Y && BARE_STYLE == MAIN_WINDOW_STYLE,
              "same place and frame as the viewer");

static const int RUNS_EACH = 25;
static const int WARM_UP_EACH = 2;
static const DWORD GIVE_UP_MS = 15000;
static const POINT PROBE = {10, 100}; /* client point: the viewer's red casing, the bare window's fill */

struct Program {
    const char *label;
    std::string path;
    const char *className;
    COLORREF painted;
    std::vector<double> ms;
};

static double ticksPerMs;

static double MsSince(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)(now.QuadPart - start.QuadPart) / ticksPerMs;
}

static COLORREF ScreenPixel(POINT point)
{
    HDC screen = GetDC(NULL);
    COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(NULL, screen);
    return pixel;
}

/* Client coordinates of the probe on the screen, for a window with the viewer's frame at its place. */
static POINT ProbeOnScreen()
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRect(&frame, MAIN_WINDOW_STYLE, FALSE);
    return {MAIN_WINDOW_X - frame.left + PROBE.x, MAIN_WINDOW_Y - frame.top + PROBE.y};
}

static bool WaitUntil(bool (*done)(const Program &), const Program &program)
{
    DWORD start = GetTickCount();
    while (!done(program)) {
        if (GetTickCount() - start > GIVE_UP_MS)
            return false;
        Sleep(1);
    }
    return true;
}

static bool Gone(const Program &program)
{
    return !FindWindowA(program.className, NULL) && ScreenPixel(ProbeOnScreen()) != program.painted;
}

/* One start: the time from CreateProcess until the probe pixel shows the painted colour. */
static bool StartOnce(Program &program, bool keep)
{
    if (!WaitUntil(Gone, program)) {
        fprintf(stderr, "bench_start: the previous %s window does not go away\n", program.label);
        return false;
    }
    std::string commandLine = "\"" + program.path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process)) {
        fprintf(stderr, "bench_start: cannot start %s (error %lu)\n", program.path.c_str(), GetLastError());
        return false;
    }
    HWND window = NULL;
    double ms = -1;
    POINT probe = {PROBE.x, PROBE.y};
    bool located = false;
    while (MsSince(start) < GIVE_UP_MS) {
        if (!window)
            window = FindWindowA(program.className, NULL);
        if (window && !located) {
            ClientToScreen(window, &probe);
            located = true;
        }
        if (located && ScreenPixel(probe) == program.painted) {
            ms = MsSince(start);
            break;
        }
        Sleep(1);
    }
    /* Ended at once: without a window manager a closing Wine window waits 2 s for one. */
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, GIVE_UP_MS);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (ms < 0) {
        fprintf(stderr, "bench_start: %s: no painted window seen\n", program.label);
        return false;
    }
    if (keep)
        program.ms.push_back(ms);
    return true;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/* Resource payload: the sum of SizeofResource over every type, name and language. */
struct Payload {
    HMODULE module;
    unsigned long long total;
    unsigned long long ofType;
    int count;
};

static BOOL CALLBACK OnLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR context)
{
    Payload *payload = (Payload *)context;
    HRSRC resource = FindResourceExA(module, type, name, language);
    DWORD size = resource ? SizeofResource(module, resource) : 0;
    payload->total += size;
    payload->ofType += size;
    ++payload->count;
    return TRUE;
}

static BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context)
{
    EnumResourceLanguagesA(module, type, name, OnLanguage, context);
    return TRUE;
}

static std::string TypeName(LPCSTR type)
{
    static const char *const known[] = {"",       "cursor",       "bitmap",       "icon", "menu",
                                        "dialog", "string",       "fontdir",      "font", "accelerator",
                                        "rcdata", "messagetable", "group cursor", "",     "group icon",
                                        "",       "version",      "dlginclude",   "",     "plugplay",
                                        "vxd",    "anicursor",    "aniicon",      "html", "manifest"};
    if (IS_INTRESOURCE(type)) {
        unsigned id = (unsigned)(ULONG_PTR)type;
        if (id < sizeof known / sizeof known[0] && known[id][0])
            return known[id];
        return "type " + std::to_string(id);
    }
    return type;
}

static BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR context)
{
    Payload *payload = (Payload *)context;
    payload->ofType = 0;
    int countBefore = payload->count;
    EnumResourceNamesA(module, type, OnName, context);
    printf("size   %-12s %4d resources %9llu bytes\n", TypeName(type).c_str(), payload->count - countBefore,
           payload->ofType);
    return TRUE;
}

/* Raw sizes of the file's sections, from its headers: where the bytes that are not payload go. */
static void PrintSections(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::vector<unsigned char> bytes(GetFileSize(file, NULL));
    DWORD read = 0;
    ReadFile(file, bytes.data(), (DWORD)bytes.size(), &read, NULL);
    CloseHandle(file);
    const IMAGE_DOS_HEADER *dos = (const IMAGE_DOS_HEADER *)bytes.data();
    const IMAGE_NT_HEADERS *nt = (const IMAGE_NT_HEADERS *)(bytes.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER *section = IMAGE_FIRST_SECTION(nt);
    unsigned long headers = nt->OptionalHeader.SizeOfHeaders;
    printf("size   section %-8s %9lu bytes\n", "headers", headers);
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        char name[9] = {};
        memcpy(name, section->Name, 8);
        printf("size   section %-8s %9lu bytes\n", name, (unsigned long)section->SizeOfRawData);
    }
}

static bool MeasureSize(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER fileSize;
    GetFileSizeEx(file, &fileSize);
    CloseHandle(file);

    Payload payload = {LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE), 0, 0, 0};
    if (!payload.module)
        return false;
    EnumResourceTypesA(payload.module, OnType, (LONG_PTR)&payload);
    FreeLibrary(payload.module);
    PrintSections(path);
    double ratio = (double)fileSize.QuadPart / (double)payload.total;
    printf("size   ZoravelD.exe %lld bytes, resource payload %llu bytes in %d resources, ratio %.3f "
           "(target <= 1.15: %s)\n",
           (long long)fileSize.QuadPart, payload.total, payload.count, ratio,
           ratio <= 1.15 ? "met" : "MISSED");
    return true;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: bench_start ZoravelD.exe bare_window.exe\n");
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    ticksPerMs = (double)frequency.QuadPart / 1000.0;

    Program viewer = {"ZoravelD.exe", argv[1], MAIN_CLASS_NAME, CASING_BRUSH_COLOUR, {}};
    Program bare = {"bare_window.exe", argv[2], BARE_CLASS_NAME, BARE_COLOUR, {}};

    /* Alternating, so drifts of the machine fall on both alike; the first runs warm the caches. */
    for (int run = -WARM_UP_EACH; run < RUNS_EACH; ++run) {
        Program &first = run % 2 ? viewer : bare;
        Program &second = run % 2 ? bare : viewer;
        if (!StartOnce(first, run >= 0) || !StartOnce(second, run >= 0))
            return 1;
    }
    for (Program *program : {&viewer, &bare}) {
        std::vector<double> &ms = program->ms;
        printf("start  %-16s n=%3zu  median %7.1f ms  min %7.1f ms  max %7.1f ms\n", program->label,
               ms.size(), Median(ms), *std::min_element(ms.begin(), ms.end()),
               *std::max_element(ms.begin(), ms.end()));
    }
    double ratio = Median(viewer.ms) / Median(bare.ms);
    printf("start  ratio of medians %.3f (target <= 1.2: %s)\n", ratio, ratio <= 1.2 ? "met" : "MISSED");

    return MeasureSize(viewer.path) ? 0 : 1;
}
