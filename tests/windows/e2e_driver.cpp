// tornel-e2e <folder> <sample path> [screenshot.bmp]: starts <folder>\tornel.exe
// and drives it as a user would, through its window: the panel is painted,
// the demo disc's three tracks are numbered, pad 1 is loaded through its
// Load button and the file dialog, and its key lights its lamp.
// tornel-e2e --box <folder> <text> [--then-window]: the program shows a
// message box that names <text> (a missing file or folder); with
// --then-window the console comes up once it is answered, else the program
// ends.
// Every wait has a generous limit and no step measures time: the window's
// timers run late on some systems.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char kClass[] = "Tornel for Windows Ver3.0";
constexpr DWORD kPatienceMs = 60000;
constexpr COLORREF kPanelGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kLampOn = RGB(0x00, 0xFF, 0x00);

// The client area's pixels as 0x00BBGGRR.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Whether the w by h blocks at (x1, y1) and (x2, y2) are the same.
    bool SameBlock(int x1, int y1, int x2, int y2, int w, int h) const {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (At(x1 + x, y1 + y) != At(x2 + x, y2 + y)) return false;
        return true;
    }
};

Capture Grab(HWND window) {
    Capture c;
    RECT client;
    GetClientRect(window, &client);
    c.width = client.right;
    c.height = client.bottom;
    if (c.width <= 0 || c.height <= 0) return c;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = c.width;
    info.bmiHeader.biHeight = -c.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, c.width, c.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    c.pixels.resize(static_cast<std::size_t>(c.width) * c.height);
    const auto* rgb = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < c.pixels.size(); ++i)  // 0x00RRGGBB to 0x00BBGGRR
        c.pixels[i] = RGB((rgb[i] >> 16) & 0xFF, (rgb[i] >> 8) & 0xFF, rgb[i] & 0xFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return c;
}

void SaveBmp(const Capture& c, const char* path) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = c.width;
    info.biHeight = -c.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD size = static_cast<DWORD>(c.pixels.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + size;
    std::FILE* out = std::fopen(path, "wb");
    if (!out) return;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    for (COLORREF p : c.pixels) {
        const std::uint32_t bgrx = GetBValue(p) | GetGValue(p) << 8 | GetRValue(p) << 16;
        std::fwrite(&bgrx, 4, 1, out);
    }
    std::fclose(out);
}

bool WaitFor(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kPatienceMs) {
        if (done()) return true;
        Sleep(100);
    }
    return false;
}

// Where the picture of the window goes when a step fails (null: nowhere).
HWND g_window = nullptr;
const char* g_failureShot = nullptr;

int Fail(const char* step, PROCESS_INFORMATION& process) {
    std::fprintf(stderr, "tornel-e2e: FAILED: %s\n", step);
    if (g_window) {
        RECT r{};
        GetWindowRect(g_window, &r);
        std::fprintf(stderr, "tornel-e2e: window at (%ld, %ld, %ld, %ld), %s, %s\n", r.left, r.top, r.right, r.bottom,
                     IsWindowVisible(g_window) ? "visible" : "hidden", IsIconic(g_window) ? "minimised" : "not minimised");
    }
    if (g_window && g_failureShot) SaveBmp(Grab(g_window), g_failureShot);
    TerminateProcess(process.hProcess, 99);
    return 1;
}

void Click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The program's own dialog window (the file dialog), or null.
HWND DialogOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[32] = "";
            GetClassNameA(window, name, sizeof name);
            if (owner != s->processId || std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every text of the window's children, one after another.
std::string ChildTexts(HWND window) {
    std::string texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            char text[1024] = "";
            GetWindowTextA(child, text, sizeof text);
            *reinterpret_cast<std::string*>(data) += std::string(text) + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Start(const std::string& folder, PROCESS_INFORMATION& process) {
    std::string command = "\"" + folder + "\\tornel.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &process))
        return true;
    std::fprintf(stderr, "tornel-e2e: cannot start %s (error %lu)\n", command.c_str(), GetLastError());
    return false;
}

int ExpectBox(const std::string& folder, const std::string& named, bool thenWindow) {
    PROCESS_INFORMATION process{};
    if (!Start(folder, process)) return 1;
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = DialogOf(process.dwProcessId)) != nullptr; }))
        return Fail("no message box came up", process);
    const std::string texts = ChildTexts(box);
    std::printf("message box: %s", texts.c_str());
    if (texts.find(named) == std::string::npos) return Fail("the message box does not name what is missing", process);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    if (thenWindow) {
        HWND window = nullptr;
        if (!WaitFor([&] { return (window = FindWindowA(kClass, kClass)) != nullptr; }))
            return Fail("the console did not come up after the message box", process);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0)
        return Fail("the program did not end", process);
    std::puts(thenWindow ? "message box, then the console" : "message box, then the program ended");
    return 0;
}

bool Numbered(const Capture& c, int track) {  // track buttons 24 wide from x 320, row 1 at y 30
    return !c.SameBlock(320 + 24 * (track - 1), 30, 320 + 24 * 9, 30, 24, 24);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--box")
        return ExpectBox(argv[2], argv[3], argc > 4 && std::string(argv[4]) == "--then-window");
    if (argc < 3) {
        std::fputs("usage: tornel-e2e <folder> <sample path> [screenshot.bmp]\n"
                   "       tornel-e2e --box <folder> <text> [--then-window]\n",
                   stderr);
        return 2;
    }
    const std::string folder = argv[1];
    PROCESS_INFORMATION process{};
    if (!Start(folder, process)) return 1;

    if (argc > 3) g_failureShot = argv[3];
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FindWindowA(kClass, kClass)) != nullptr; }))
        return Fail("the main window never appeared", process);
    g_window = window;
    std::puts("window up");

    Capture shot;
    const auto painted = [&] {
        shot = Grab(window);
        if (shot.width < 620 || shot.height < 410) return false;
        return shot.At(10, 10) == kPanelGrey && shot.At(100, 150) == RGB(0, 0, 0) && shot.At(500, 300) == RGB(0, 0, 0);
    };
    if (!WaitFor(painted)) return Fail("the panel was not painted (grey ground, black display and list boxes)", process);
    std::puts("panel painted");

    // The demo disc has three tracks: buttons 1 to 3 carry numbers, 4 on are bare.
    const auto threeTracks = [&] {
        shot = Grab(window);
        return Numbered(shot, 1) && Numbered(shot, 2) && Numbered(shot, 3) && !Numbered(shot, 4);
    };
    if (!WaitFor(threeTracks)) return Fail("the demo disc's tracks 1 to 3 are not numbered", process);
    std::puts("demo disc tracks 1-3 numbered");
    if (argc > 3) SaveBmp(shot, argv[3]);

    // Pad 1's Load button, then the file dialog it opens.
    Click(window, 95, 382);
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = DialogOf(process.dwProcessId)) != nullptr; }))
        return Fail("pad 1's Load button opened no file dialog", process);
    HWND name = GetDlgItem(dialog, 0x480);  // the file name field (edt1)
    if (!name) name = GetDlgItem(dialog, 0x47C);  // cmb13 of the newer dialog
    if (!name) return Fail("the file dialog has no file name field", process);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    if (!WaitFor([&] { return !IsWindow(dialog); })) return Fail("the file dialog did not take the sample", process);
    std::puts("sample chosen for pad 1");

    // Z plays pad 1 and lights its lamp while the key is down; only a loaded pad does.
    PostMessageA(window, WM_KEYDOWN, 'Z', 1 | (0x2C << 16));
    const bool lit = WaitFor([&] { return Grab(window).At(94, 310) == kLampOn; });
    PostMessageA(window, WM_KEYUP, 'Z', 1 | (0x2C << 16) | (1u << 30) | (1u << 31));
    if (!lit) return Fail("the Z key did not play pad 1 (its lamp stayed dark)", process);
    std::puts("pad 1 played by its key");

    // The resources the console loads from tornel.exe: the menu (whose items
    // another process cannot read on every system) and the dialogs.
    if (!GetMenu(window)) return Fail("the window has no menu bar", process);
    PostMessageA(window, WM_COMMAND, 100, 0);  // Help > About Tornel
    HWND about = nullptr;
    if (!WaitFor([&] { return (about = DialogOf(process.dwProcessId)) != nullptr; }))
        return Fail("About Tornel opened no dialog", process);
    if (ChildTexts(about).find("Tornel version 3.0 (32-bit) for Windows95") == std::string::npos)
        return Fail("the About dialog lacks its texts", process);
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(about, IDOK)));
    if (!WaitFor([&] { return !IsWindow(about); })) return Fail("the About dialog did not close", process);
    PostMessageA(window, WM_COMMAND, 118, 0);  // Setting > Wave Speed
    HWND speed = nullptr;
    if (!WaitFor([&] { return (speed = DialogOf(process.dwProcessId)) != nullptr; }))
        return Fail("Wave Speed opened no dialog", process);
    BOOL read = FALSE;
    const UINT rate = GetDlgItemInt(speed, 118, &read, FALSE);
    PostMessageA(speed, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!read || rate != 22050) return Fail("the Wave Speed dialog does not show the rate 22050", process);
    if (!WaitFor([&] { return !IsWindow(speed); })) return Fail("the Wave Speed dialog did not close", process);
    std::puts("menu and dialogs from the resources");

    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0)
        return Fail("the program did not end after its window was closed", process);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    if (code != 0) {
        std::fprintf(stderr, "tornel-e2e: FAILED: the program ended with code %lu\n", code);
        return 1;
    }
    std::puts("closed cleanly");
    return 0;
}
