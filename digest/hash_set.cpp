#include "digest/hash_set.h"

#include <cryptopp/cryptlib.h>

namespace digest {

HashSet::HashSet(const Maker& make) {
    try {
        for (std::size_t row : kCreationOrder)
            objects_[row] = make ? make(row) : kAlgorithms[row].make();
    } catch (...) {
        release();
        throw;
    }
}

HashSet::~HashSet() { release(); }

void HashSet::release() {
    for (auto it = kCreationOrder.rbegin(); it != kCreationOrder.rend(); ++it)
        objects_[*it].reset();
}

} // namespace digest
