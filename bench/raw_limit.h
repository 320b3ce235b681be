#pragma once

#include <array>
#include <memory>

#include <cryptopp/cryptlib.h>

#include "digest/algorithms.h"

// The limit a computation is measured against: the chosen rows' Crypto++ objects fed directly,
// no window and no interface between.
struct RawHashes {
    explicit RawHashes(std::array<bool, digest::kAlgorithmCount> chosen) {
        for (std::size_t r = 0; r < digest::kAlgorithmCount; ++r)
            if (chosen[r])
                objects[r] = digest::kAlgorithms[r].make();
    }
    void update(const CryptoPP::byte* data, std::size_t size) {
        for (auto& h : objects)
            if (h)
                h->Update(data, size);
    }
    void finish() {
        CryptoPP::byte out[64];
        for (auto& h : objects)
            if (h)
                h->Final(out);
    }
    std::array<std::unique_ptr<CryptoPP::HashTransformation>, digest::kAlgorithmCount> objects;
};
