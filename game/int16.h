// A signed 16-bit window integer whose increment raises the overflow error instead of wrapping.
#pragma once

#include "runtimeerror.h"

#include <cstdint>
#include <limits>

namespace game {

class Int16 {
public:
    constexpr Int16(std::int16_t value = 0) : m_value(value) {}

    constexpr std::int16_t value() const { return m_value; }
    constexpr operator std::int16_t() const { return m_value; }

    void increment()
    {
        if (m_value == std::numeric_limits<std::int16_t>::max())
            throw RuntimeError::overflow();
        ++m_value;
    }

private:
    std::int16_t m_value;
};

} // namespace game
