#pragma once
// The framework's own exception; the programs show it in the application's error box.
#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ui
