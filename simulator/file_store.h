#pragma once
// The DLL keeps its bank in the state file and journals every call next to it, so that
// one program's writes are seen by the next and tests can check what was sent.
#include <string>

#include "simulator/session.h"

namespace sim {

struct SimPaths {
    std::string state;
    std::string journal;
};

// PADLINK_SIM names the state file, else defaultState; PADLINK_SIM_JOURNAL names the
// journal, else the state file's name with ".journal" appended.
SimPaths simPaths(const std::string& defaultState);

class FileStore : public Store {
public:
    explicit FileStore(std::string path) : path_(std::move(path)) {}
    Bank load() override;
    void save(const Bank& bank) override;

private:
    std::string path_;
};

class FileJournal : public Journal {
public:
    explicit FileJournal(std::string path) : path_(std::move(path)) {}
    void append(const std::string& line) override;

private:
    std::string path_;
};

}  // namespace sim
