// The toolkit's run-time error: the standard number and description a failed step reports.
#pragma once

#include <stdexcept>
#include <string>

namespace game {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), m_number(number) {}

    // The error a window integer raises when an increment would pass 32767.
    static RuntimeError overflow() { return RuntimeError(6, "Overflow"); }

    int number() const { return m_number; }
    std::string description() const { return what(); }

private:
    int m_number;
};

} // namespace game
