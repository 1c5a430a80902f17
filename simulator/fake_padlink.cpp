#include "simulator/fake_padlink.h"

#include <stdexcept>

#include "common/padlink_api.h"
#include "simulator/session.h"

namespace sim {

class FakePadlink::Impl : public Store, public Journal {
public:
    explicit Impl(FakePadlink& o) : owner(o), session(*this, *this) {}
    Bank load() override { return owner.bank_; }
    void save(const Bank& bank) override { owner.bank_ = bank; }
    void append(const std::string& line) override { owner.journal_.push_back(line); }

    FakePadlink& owner;
    Session session;
};

namespace {

FakePadlink::Impl* live = nullptr;

// Without a live fake the library behaves as one with no controller behind it.
extern "C" {
int PADLINK_CALL fakeSetID(int first, int pid, int third) {
    return live ? live->session.setId(first, pid, third) : 0;
}
int PADLINK_CALL fakeOpenPadlink() { return live ? live->session.open() : noController; }
int PADLINK_CALL fakeClosePadlink() { return live ? live->session.close() : 0; }
int PADLINK_CALL fakeWriteTP(unsigned char* block) {
    return live ? live->session.write(block) : 1;
}
int PADLINK_CALL fakeReadTP(unsigned char* block) { return live ? live->session.read(block) : 1; }
}

template <typename Fn>
void* address(Fn fn) {
    return reinterpret_cast<void*>(fn);
}

}  // namespace

FakePadlink::FakePadlink(Bank bank) : bank_(std::move(bank)), impl_(new Impl(*this)) {
    if (live) throw std::logic_error("a FakePadlink is already live");
    live = impl_.get();
}

FakePadlink::~FakePadlink() { live = nullptr; }

std::map<std::string, void*> FakePadlink::entries() const {
    return {
        {"SetID", address(&fakeSetID)},
        {"OpenPadlink", address(&fakeOpenPadlink)},
        {"ClosePadlink", address(&fakeClosePadlink)},
        {"WriteTP", address(&fakeWriteTP)},
        {"ReadTP", address(&fakeReadTP)},
    };
}

std::map<std::string, void*> FakePadlink::entriesWithout(const std::string& entry) const {
    auto table = entries();
    table.erase(entry);
    return table;
}

Controller& FakePadlink::controller(int pid) {
    Controller* c = findController(bank_, pid);
    if (!c) throw std::out_of_range("no controller with that pid in the fake's bank");
    return *c;
}

std::vector<std::string> FakePadlink::journalLines(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const auto& line : journal_)
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    return lines;
}

}  // namespace sim
