#include "dirlines/dirline.h"
#include "platform/host.h"

// Prints the current directory for the install and uninstall scripts, e.g.
//   dirlines -1 > go.bat   (a "cd" line)    dirlines -2   (a call of uninst.bat)
int main(int argc, char** argv) {
    printDirLine(stdout, argc > 1 ? argv[1] : nullptr, platform::host().currentDirectory());
    return 0;
}
