// The monkey run. `make test` runs a short seeded one; MONKEY_MESSAGES and
// MONKEY_SEED lengthen it (`make monkey`) or replay a failure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "monkey.h"

namespace {

long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

}  // namespace

TEST(Monkey, RandomInputKeepsEveryInvariant) {
    const auto seed = static_cast<std::uint64_t>(FromEnvironment("MONKEY_SEED", 20261207));
    const long messages = static_cast<long>(FromEnvironment("MONKEY_MESSAGES", 10000));
    Monkey monkey(seed);
    const std::string broken = monkey.Run(messages);
    EXPECT_EQ(broken, "") << "seed " << seed << " (replay: MONKEY_SEED=" << seed << " MONKEY_MESSAGES=" << messages
                          << ")";
    const MonkeyCounts& counts = monkey.Counts();
    std::printf("monkey: seed %llu, %ld messages (%ld menu commands), %ld clock steps, %ld restarts\n",
                static_cast<unsigned long long>(seed), counts.messages, counts.commands, counts.clockSteps,
                counts.restarts);
}
