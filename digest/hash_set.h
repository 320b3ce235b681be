#pragma once

#include <array>
#include <functional>
#include <memory>

#include "digest/algorithms.h"

namespace digest {

// The sixteen hash objects of one computation, one per row of the algorithm table, all made
// fresh whether ticked or not. They are made in kCreationOrder and released in its reverse,
// also when making one of them throws.
class HashSet {
public:
    // Makes the object of a row; tests substitute one to watch the objects' lives.
    using Maker = std::function<std::unique_ptr<CryptoPP::HashTransformation>(std::size_t row)>;

    explicit HashSet(const Maker& make = {});
    ~HashSet();
    HashSet(const HashSet&) = delete;
    HashSet& operator=(const HashSet&) = delete;

    CryptoPP::HashTransformation& operator[](std::size_t row) { return *objects_[row]; }

private:
    void release();

    std::array<std::unique_ptr<CryptoPP::HashTransformation>, kAlgorithmCount> objects_;
};

} // namespace digest
