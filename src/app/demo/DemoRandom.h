#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace kvr::demo {

// A fixed-seed source of choices, so that every run writes the same shop. Each phase has its own
// seed: a change in one phase leaves the data of the others as they were.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint32_t seed)
        : m_engine(seed)
    { }

    // A whole number from low to high, both included. Modulo on the raw engine output, not a
    // standard distribution, whose results differ between standard libraries.
    int between(int low, int high)
    {
        if (high <= low)
            return low;
        return low + int(m_engine() % std::uint32_t(high - low + 1));
    }

    bool chance(int percent) { return between(1, 100) <= percent; }

    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[std::size_t(between(0, int(items.size()) - 1))];
    }

private:
    std::mt19937 m_engine;
};

} // namespace kvr::demo
