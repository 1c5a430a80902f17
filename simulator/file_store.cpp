#include "simulator/file_store.h"

#include <cstdlib>
#include <fstream>

#include "simulator/state_file.h"

namespace sim {
namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

SimPaths simPaths(const std::string& defaultState) {
    SimPaths p;
    p.state = envOr("PADLINK_SIM", defaultState);
    p.journal = envOr("PADLINK_SIM_JOURNAL", p.state + ".journal");
    return p;
}

Bank FileStore::load() { return loadBankFile(path_); }

void FileStore::save(const Bank& bank) { saveBankFile(path_, bank); }

// Opened per line so that a crash of the caller loses nothing already written.
void FileJournal::append(const std::string& line) {
    std::ofstream out(path_, std::ios::binary | std::ios::app);
    out << line << '\n';
}

}  // namespace sim
