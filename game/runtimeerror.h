// The toolkit's run-time error: the standard number and description a failed step reports,
// and the box that tells the player of it.
#pragma once

#include "programidentity.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace game {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), m_number(number) {}

    // The error a window integer raises when an increment would pass 32767.
    static RuntimeError overflow() { return RuntimeError(6, "Overflow"); }

    int number() const { return m_number; }
    std::string description() const { return what(); }

    // What the box says: "Run-time error '6':", a blank line, and the description.
    std::string prompt() const { return "Run-time error '" + std::to_string(m_number) + "':\n\n" + description(); }

private:
    int m_number;
};

} // namespace game
