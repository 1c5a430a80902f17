#include "platform/testing/fake_host.h"

namespace platform {

namespace {
constexpr long fileNotFound = 2;
constexpr long accessDenied = 5;
constexpr long invalidData = 13;
}  // namespace

// A key of the in-memory registry; keys are never deleted, so the node outlives it.
class FakeHost::Key final : public RegKey {
public:
    Key(FakeHost& host, FakeRegNode& node, std::string name, bool write)
        : m_host(host), m_node(node), m_name(std::move(name)), m_write(write) {}

    std::vector<std::string> valueNames() override {
        std::vector<std::string> names;
        for (const FakeRegValue& v : m_node.values) names.push_back(v.name);
        done(true);
        return names;
    }

    bool valueExists(const std::string& name) override {
        return done(m_node.value(name) != nullptr, fileNotFound);
    }

    RegType valueType(const std::string& name) override {
        const FakeRegValue* v = m_node.value(name);
        return done(v != nullptr, fileNotFound) ? v->type : RegType::None;
    }

    bool readString(const std::string& name, std::string& value) override {
        const FakeRegValue* v = m_node.value(name);
        if (!done(v != nullptr, fileNotFound)) return false;
        if (!done(v->type == RegType::String || v->type == RegType::ExpandString, invalidData))
            return false;
        value = v->text;
        return true;
    }

    bool readInt(const std::string& name, std::int32_t& value) override {
        const FakeRegValue* v = m_node.value(name);
        if (!done(v != nullptr, fileNotFound)) return false;
        if (!done(v->type == RegType::Dword, invalidData)) return false;
        value = v->number;
        return true;
    }

    bool writeString(const std::string& name, const std::string& value) override {
        if (!done(m_write, accessDenied)) return false;
        FakeRegValue& v = m_node.put(name);
        v.type = RegType::String;
        v.text = value;
        m_host.record(FakeEventKind::RegSet, "reg set " + m_name + "\\" + name + " '" + value + "'")
            .text = m_name;
        return true;
    }

    bool writeInt(const std::string& name, std::int32_t value) override {
        if (!done(m_write, accessDenied)) return false;
        FakeRegValue& v = m_node.put(name);
        v.type = RegType::Dword;
        v.number = value;
        m_host.record(FakeEventKind::RegSet,
                      "reg set " + m_name + "\\" + name + " " + std::to_string(value))
            .text = m_name;
        return true;
    }

    bool deleteValue(const std::string& name) override {
        if (!done(m_write, accessDenied)) return false;
        if (!done(m_node.remove(name), fileNotFound)) return false;
        m_host.record(FakeEventKind::RegDelete, "reg delete " + m_name + "\\" + name).text = m_name;
        return true;
    }

    bool flush() override {
        m_host.record(FakeEventKind::RegFlush, "reg flush " + m_name).text = m_name;
        return done(true);
    }

private:
    // Registry calls leave their result code as the last error.
    bool done(bool ok, long failure = 0) {
        m_host.m_lastError = ok ? 0 : failure;
        return ok;
    }

    FakeHost& m_host;
    FakeRegNode& m_node;
    std::string m_name;
    bool m_write;
};

std::unique_ptr<RegKey> FakeHost::openKey(RegRoot root, const std::string& path, bool write,
                                          bool create) {
    if (write && m_refuseRegWrites) {
        m_lastError = accessDenied;
        return nullptr;
    }
    std::string name = FakeRegistry::describe(root, path);
    FakeRegNode* node = m_registry.find(root, path, false);
    if (!node && write && create) {
        node = m_registry.find(root, path, true);
        record(FakeEventKind::RegCreate, "reg create " + name).text = name;
    }
    m_lastError = node ? 0 : fileNotFound;
    if (!node) return nullptr;
    return std::make_unique<Key>(*this, *node, name, write);
}

void FakeHost::setRegString(RegRoot root, const std::string& key, const std::string& name,
                            const std::string& text, RegType type) {
    FakeRegValue& v = m_registry.find(root, key, true)->put(name);
    v.type = type;
    v.text = text;
}

void FakeHost::setRegInt(RegRoot root, const std::string& key, const std::string& name,
                         std::int32_t value) {
    FakeRegValue& v = m_registry.find(root, key, true)->put(name);
    v.type = RegType::Dword;
    v.number = value;
}

void FakeHost::addRegKey(RegRoot root, const std::string& key) {
    m_registry.find(root, key, true);
}

bool FakeHost::regKeyExists(RegRoot root, const std::string& key) {
    return m_registry.find(root, key, false) != nullptr;
}

std::optional<std::string> FakeHost::regString(RegRoot root, const std::string& key,
                                               const std::string& name) {
    FakeRegNode* node = m_registry.find(root, key, false);
    const FakeRegValue* v = node ? node->value(name) : nullptr;
    if (!v || v->type == RegType::Dword) return std::nullopt;
    return v->text;
}

std::optional<std::int32_t> FakeHost::regInt(RegRoot root, const std::string& key,
                                             const std::string& name) {
    FakeRegNode* node = m_registry.find(root, key, false);
    const FakeRegValue* v = node ? node->value(name) : nullptr;
    if (!v || v->type != RegType::Dword) return std::nullopt;
    return v->number;
}

void FakeHost::refuseRegistryWrites(bool refuse) { m_refuseRegWrites = refuse; }

}  // namespace platform
