#pragma once
// What every fuzz target shares: the entry point taking the input as text, the check that
// stops the fuzzer on a broken property, and cutting the input into parts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Reference computations (here and in tests/support) are not the code under test: their
// branches neither steer the fuzzer nor slow it with coverage tracing.
#define ZORVANE_ORACLE __attribute__((no_sanitize("coverage")))

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Defines the target's body over one input: FUZZ_TARGET(input) { ... }
#define FUZZ_TARGET(input)                                                                         \
    static void FuzzOne(std::string_view input);                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {           \
        FuzzOne(std::string_view(reinterpret_cast<const char*>(bytes), size));                     \
        return 0;                                                                                  \
    }                                                                                              \
    static void FuzzOne(std::string_view input)

// Takes the text up to the next separator (or all that is left) off the front of input.
inline std::string_view TakePart(std::string_view& input, char separator = '\n') {
    const std::size_t end = input.find(separator);
    const std::string_view part = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return part;
}

// a to z become A to Z; every other byte stays.
ZORVANE_ORACLE inline std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return upper;
}

// The input's bytes read two by two as UTF-16 units, any character included.
inline std::u16string Utf16Units(std::string_view input) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(input[i]) |
                                      static_cast<unsigned char>(input[i + 1]) << 8);
    }
    return text;
}
