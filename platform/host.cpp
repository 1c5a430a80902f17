#include "platform/host.h"

#include "platform/default_host.h"

namespace platform {

namespace {
Host* installed = nullptr;
}

Host& host() { return installed ? *installed : defaultHost(); }

void setHost(Host* h) { installed = h; }

}  // namespace platform
