#pragma once

#include <memory>
#include <string>
#include <vector>

#include <cryptopp/cryptlib.h>

#include "digest/algorithms.h"
#include "digest/hash_set.h"

// Wraps a row's real hash object and writes its life into a shared log: made, fed,
// finalised, released.
class RecordingHash : public CryptoPP::HashTransformation {
public:
    RecordingHash(std::size_t row, std::vector<std::string>& log)
        : inner_(digest::kAlgorithms[row].make()), tag_(digest::kAlgorithms[row].tag), log_(log) {
        log_.push_back("make " + tag_);
    }
    ~RecordingHash() override { log_.push_back("release " + tag_); }

    void Update(const CryptoPP::byte* input, std::size_t length) override {
        log_.push_back("Update " + tag_ + " " + std::to_string(length));
        inner_->Update(input, length);
    }
    unsigned int DigestSize() const override { return inner_->DigestSize(); }
    void TruncatedFinal(CryptoPP::byte* digest, std::size_t size) override {
        log_.push_back("Final " + tag_);
        inner_->TruncatedFinal(digest, size);
    }
    std::string AlgorithmName() const override { return inner_->AlgorithmName(); }

    static digest::HashSet::Maker maker(std::vector<std::string>& log) {
        return [&log](std::size_t row) { return std::make_unique<RecordingHash>(row, log); };
    }

private:
    std::unique_ptr<CryptoPP::HashTransformation> inner_;
    std::string tag_;
    std::vector<std::string>& log_;
};
