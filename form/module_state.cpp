#include "form/module_state.h"

#include <cstdint>

#include "digest/hash_to_hex.h"
#include "form/Unit1.h"

TEdit* PendingSelectEdit = nullptr;

namespace Unit1 {
namespace {
// Nesting count: the first Initialize makes the state, the Finalize balancing it ends it.
std::int32_t counter = 0;

// Wraps around at 32 bits, as the count has no guard of its own.
std::int32_t add(std::int32_t value, std::uint32_t delta) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + delta);
}
} // namespace

void Initialize() {
    const std::int32_t before = counter;
    counter = add(counter, static_cast<std::uint32_t>(-1));
    if (before == 0)
        digest::MakeHexState();
}

void Finalize() {
    counter = add(counter, 1);
    if (counter == 0)
        digest::EndHexState();
}

} // namespace Unit1
