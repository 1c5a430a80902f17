#pragma once
// padlink.dll in-process, for native unit tests: the five entries as a name -> address
// table (the shape platform::FakeHost::addLibrary takes) bound to an in-memory bank, with
// the same controller model and journal lines as the DLL. One instance at a time: the
// entries are plain functions that dispatch to the live instance.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "simulator/controller.h"

namespace sim {

class FakePadlink {
public:
    explicit FakePadlink(Bank bank = defaultBank());
    ~FakePadlink();
    FakePadlink(const FakePadlink&) = delete;
    FakePadlink& operator=(const FakePadlink&) = delete;

    // "SetID", "OpenPadlink", "ClosePadlink", "WriteTP", "ReadTP".
    std::map<std::string, void*> entries() const;
    // The same without one entry, for the callers' missing-entry codes.
    std::map<std::string, void*> entriesWithout(const std::string& entry) const;

    // The controllers as the last call left them; changes show at the next call.
    Bank& bank() { return bank_; }
    Controller& controller(int pid);

    // One line per call, as in the DLL's journal file.
    const std::vector<std::string>& journal() const { return journal_; }
    // The journal lines that start with prefix ("WriteTP a000 ", "OpenPadlink").
    std::vector<std::string> journalLines(const std::string& prefix) const;
    void clearJournal() { journal_.clear(); }

    class Impl;

private:
    Bank bank_;
    std::vector<std::string> journal_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sim
