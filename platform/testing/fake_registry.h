#pragma once
// An in-memory registry: a tree of keys with case-insensitive names under the two roots,
// each key holding typed values in the order they were first written.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"

namespace platform {

struct FakeRegValue {
    std::string name;
    RegType type = RegType::None;
    std::string text;        // String, ExpandString, MultiString, Binary, Other
    std::int32_t number = 0;  // Dword
};

struct FakeRegNode {
    std::string name;
    std::map<std::string, std::unique_ptr<FakeRegNode>> keys;  // by lower-case name
    std::vector<FakeRegValue> values;

    FakeRegValue* value(const std::string& name);
    // Sets or adds a value; a new one goes last, as the registry lists it.
    FakeRegValue& put(const std::string& name);
    bool remove(const std::string& name);
};

class FakeRegistry {
public:
    // The key at path, or null; with create, missing keys on the way are made.
    FakeRegNode* find(RegRoot root, const std::string& path, bool create);

    // "HKLM\\SYSTEM\\..." for the readable event lines.
    static std::string describe(RegRoot root, const std::string& path);

private:
    FakeRegNode m_roots[2];
};

}  // namespace platform
