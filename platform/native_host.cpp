// The native build runs program logic only under an installed host (the unit tests' fake).
#include <cstdio>
#include <cstdlib>

#include "platform/default_host.h"

namespace platform {

Host& defaultHost() {
    std::fputs("platform::host(): no host installed (the native build has no Win32 host; "
               "install one with platform::setHost)\n",
               stderr);
    std::abort();
}

}  // namespace platform
