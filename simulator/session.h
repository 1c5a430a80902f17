#pragma once
// The five library entries over a bank of controllers. Where the bank is kept and where
// the call journal goes is up to the owner: files for the DLL, memory for the fake.
#include <string>

#include "simulator/commands.h"
#include "simulator/controller.h"

namespace sim {

class Store {
public:
    virtual ~Store() = default;
    virtual Bank load() = 0;
    virtual void save(const Bank& bank) = 0;
};

class Journal {
public:
    virtual ~Journal() = default;
    virtual void append(const std::string& line) = 0;
};

// Results of OpenPadlink; the callers only tell 0 from the rest.
enum OpenResult { opened = 0, noController = 1, openRefused = 2 };

class Session {
public:
    Session(Store& store, Journal& journal);

    int setId(int first, int pid, int third);
    int open();
    int close();
    // 0 when an open controller took the command, 1 otherwise.
    int write(const unsigned char* block);
    // Overwrites replySize bytes with the reply to the last command written since the
    // open; 1 and the block untouched when nothing is open.
    int read(unsigned char* block);

private:
    Store& store_;
    Journal& journal_;
    bool idSet_ = false;  // SetID was called: no falling back to the default controller
    int selected_ = 0;
    int open_ = 0;      // the open controller's pid, 0 when none
    Reply reply_;
};

}  // namespace sim
