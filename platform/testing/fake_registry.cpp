#include "platform/testing/fake_registry.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

FakeRegValue* FakeRegNode::value(const std::string& name) {
    std::string key = lower(name);
    for (FakeRegValue& v : values)
        if (lower(v.name) == key) return &v;
    return nullptr;
}

FakeRegValue& FakeRegNode::put(const std::string& name) {
    if (FakeRegValue* v = value(name)) return *v;
    FakeRegValue& v = values.emplace_back();
    v.name = name;
    return v;
}

bool FakeRegNode::remove(const std::string& name) {
    std::string key = lower(name);
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const FakeRegValue& v) { return lower(v.name) == key; });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

FakeRegNode* FakeRegistry::find(RegRoot root, const std::string& path, bool create) {
    FakeRegNode* node = &m_roots[root == RegRoot::LocalMachine ? 0 : 1];
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        auto& child = node->keys[lower(part)];
        if (!child) {
            if (!create) {
                node->keys.erase(lower(part));
                return nullptr;
            }
            child = std::make_unique<FakeRegNode>();
            child->name = part;
        }
        node = child.get();
    }
    return node;
}

std::string FakeRegistry::describe(RegRoot root, const std::string& path) {
    return std::string(root == RegRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + path;
}

}  // namespace platform
