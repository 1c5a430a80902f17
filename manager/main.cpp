// touchman, the touch manager: the start-up checks, then the windows.
#include "manager/manager_app.h"
#include "manager/startup.h"

extern "C" int __stdcall WinMain(void* instance, void* prevInstance, char* commandLine,
                                 int show) {
    const EntryArgs args{instance, prevInstance, commandLine, show};
    const int refused = touchman::startManager(args);
    return refused >= 0 ? refused : touchman::runManager();
}
