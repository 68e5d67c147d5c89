#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

// The entry point both libFuzzer and the corpus replay call.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace quorrin::fuzz {

// A broken property ends the run the way a sanitizer report does, so the
// fuzzer keeps the input; checks stay on in every build type.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::abort();
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Two texts from one input, cut at the first NUL (the second is empty when
// there is none), so corpus files stay readable.
inline std::pair<std::string_view, std::string_view> splitAtNul(std::string_view input)
{
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos)
        return {input, {}};
    return {input.substr(0, nul), input.substr(nul + 1)};
}

// Takes bytes off the front of an input for the choices a target makes;
// zero once the input runs out.
class ByteTaker {
public:
    explicit ByteTaker(std::string_view input) : rest_(input) {}

    std::uint8_t take()
    {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }

    // A value in [low, high].
    int takeIn(int low, int high) { return low + take() % (high - low + 1); }

    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace quorrin::fuzz
