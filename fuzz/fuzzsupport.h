// Shared by the fuzz harnesses: an invariant check that stops the run with a
// message (libFuzzer then keeps the input), answers to the program's
// questions drawn from the input, and a reader of the input's bytes.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/dialogs.h"

#define FUZZ_CHECK(condition, what)                                                          \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, what); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)

namespace belt::fuzz {

// FNV-1a: the same input always gets the same answers.
inline std::uint64_t Hash(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ULL;
    return h;
}

// Answers every question with the next bit drawn from a seed and every
// input box with its default text, or now and then something a user might
// type instead. A run that asks endlessly is a finding: after kMaxDialogs the
// harness stops it.
class FuzzDialogs : public Dialogs {
public:
    static constexpr int kMaxDialogs = 2000;
    explicit FuzzDialogs(std::uint64_t seed) : state_(seed) {}

    MsgAnswer message(const std::string&, const std::string&, MsgIcon, MsgButtons buttons,
                      MsgAnswer) override {
        count();
        switch (buttons) {
            case MsgButtons::Ok:
                return MsgAnswer::Ok;
            case MsgButtons::OkCancel:
                return bit() ? MsgAnswer::Ok : MsgAnswer::Cancel;
            case MsgButtons::YesNo:
                return bit() ? MsgAnswer::Yes : MsgAnswer::No;
            case MsgButtons::YesNoCancel:
                return bit() ? MsgAnswer::Yes : (bit() ? MsgAnswer::No : MsgAnswer::Cancel);
        }
        return MsgAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& defaultText) override {
        count();
        static const char* const kTyped[] = {"", "0", "abc", "12,5", "1e400", "-3", "100000"};
        if (bit() || bit()) return defaultText;
        typedOther_ = true;
        return kTyped[(bit() << 2 | bit() << 1 | bit()) % 7];
    }
    // Whether an input box got anything but its default text.
    bool typedOther() const { return typedOther_; }
    void setBusy(bool) override {}

private:
    // splitmix64: answers that never repeat in a cycle, so that a box asked
    // again sooner or later gets another answer, as from a user.
    int bit() {
        if (bits_ % 64 == 0) {
            state_ += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = state_;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word_ = z ^ (z >> 31);
        }
        return static_cast<int>((word_ >> (bits_++ % 64)) & 1U);
    }
    void count() { FUZZ_CHECK(++dialogs_ <= kMaxDialogs, "the program keeps asking"); }

    std::uint64_t state_;
    std::uint64_t word_ = 0;
    unsigned bits_ = 0;
    int dialogs_ = 0;
    bool typedOther_ = false;
};

// Takes values off the front of the input; zeros once it is used up.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    double real() {
        double v = 0;
        unsigned char raw[sizeof v] = {};
        for (auto& b : raw) b = byte();
        std::memcpy(&v, raw, sizeof v);
        return v;
    }
    std::string rest() {
        std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace belt::fuzz
