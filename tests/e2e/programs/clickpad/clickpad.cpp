// clickpad "<record file>": a visible window, class "ClickPad", that appends one line per
// mouse button message of its client area ("L down", "L up", "R down", "R up") to the
// record file, flushed at once so that a test reads what has arrived so far.
#include <windows.h>

#include <cstdio>

namespace {

std::FILE* record = nullptr;

void note(const char* line) {
    if (!record) return;
    std::fprintf(record, "%s\n", line);
    std::fflush(record);
}

LRESULT CALLBACK padProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: note("L down"); return 0;
    case WM_LBUTTONUP: note("L up"); return 0;
    case WM_RBUTTONDOWN: note("R down"); return 0;
    case WM_RBUTTONUP: note("R up"); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char path[MAX_PATH] = {};
    std::sscanf(commandLine, " \"%259[^\"]\"", path);
    record = std::fopen(path, "a");
    WNDCLASSA wc{};
    wc.lpfnWndProc = padProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "ClickPad";
    RegisterClassA(&wc);
    HWND pad = CreateWindowExA(WS_EX_TOPMOST, "ClickPad", "clickpad", WS_POPUP | WS_VISIBLE,
                               100, 100, 400, 300, nullptr, nullptr, instance, nullptr);
    SetForegroundWindow(pad);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    if (record) std::fclose(record);
    return 0;
}
