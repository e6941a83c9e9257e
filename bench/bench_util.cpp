#include "util/Discount.h"
#include "util/Rounding.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Every recalculation of a bill rounds and discounts each line, so both run per keystroke.
void BM_RoundHalfUp(benchmark::State& state)
{
    constexpr std::array amounts{2.345, -2.345, 1.994999, 123456.785, 0.005, 1.15 * 3};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvr::util::RoundHalfUp(amounts[i], 15, 2));
        i = (i + 1) % amounts.size();
    }
}
BENCHMARK(BM_RoundHalfUp);

void BM_NetAfterDiscount(benchmark::State& state)
{
    const std::array texts{QStringLiteral("10%"), QStringLiteral("10%5%"), QStringLiteral("10/5/20"),
                           QStringLiteral("25"), QString()};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvr::util::NetAfterDiscount(texts[i], 1234.50));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_NetAfterDiscount);

} // namespace
