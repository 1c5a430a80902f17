// touchcal.exe stand-in: appends its whole command line as one line to "touchcal.args"
// beside itself, and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, n);
    path = path.substr(0, path.find_last_of('\\') + 1) + "touchcal.args";
    if (std::FILE* f = std::fopen(path.c_str(), "a")) {
        std::fprintf(f, "%s\n", GetCommandLineA());
        std::fclose(f);
    }
    return 0;
}
