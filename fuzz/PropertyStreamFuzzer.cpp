#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/PropertyStream.h"
#include "framework/testing/PropertyRecorder.h"

// Every input must be either applied whole, and then be exactly the stream its
// entries write, or rejected with an error that names a property of the input and
// an offset inside it, with nothing applied. Anything else aborts, so that libFuzzer
// keeps the input.

namespace {

struct Rejection {
    std::string property;
    std::size_t offset;
    bool operator==(Rejection const&) const = default;
};

[[noreturn]] void Fail(char const* what, std::optional<Rejection> const& rejection = std::nullopt)
{
    if (rejection)
        std::fprintf(stderr, "property stream fuzzer: %s (property \"%s\", offset %zu)\n", what,
            rejection->property.c_str(), rejection->offset);
    else
        std::fprintf(stderr, "property stream fuzzer: %s\n", what);
    std::abort();
}

void Check(bool holds, char const* what, std::optional<Rejection> const& rejection = std::nullopt)
{
    if (!holds)
        Fail(what, rejection);
}

// A rejection must point at the input: the offset inside it, and a named property
// spelled there in letters at or before the offset.
void CheckRejection(std::span<std::uint8_t const> stream, Rejection const& rejection)
{
    Check(rejection.offset <= stream.size(), "the offset lies past the end of the stream", rejection);
    auto const& name = rejection.property;
    if (name.empty())
        return;
    Check(std::all_of(name.begin(), name.end(),
              [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }),
        "the named property is no name of letters", rejection);
    Check(name.size() <= stream.size(), "the named property is longer than the stream", rejection);
    bool spelled = false;
    for (std::size_t at = 0; !spelled && at <= rejection.offset && at + name.size() <= stream.size(); ++at)
        spelled = std::memcmp(stream.data() + at, name.data(), name.size()) == 0;
    Check(spelled, "the named property does not stand in the stream at or before the offset", rejection);
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    // An exactly sized heap buffer of its own, so that AddressSanitizer reports any
    // read past the stream's end.
    auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    if (size > 0)
        std::memcpy(buffer.get(), data, size);
    std::span<std::uint8_t const> const stream(buffer.get(), size);

    std::optional<std::vector<PropertyEntry>> entries;
    std::optional<Rejection> read_rejection;
    try {
        entries = ReadPropertyStream(stream);
    } catch (PropertyStreamError const& error) {
        read_rejection = Rejection { error.Property(), error.Offset() };
    }

    Testing::PropertyRecorder target;
    std::optional<Rejection> apply_rejection;
    try {
        SetProperties(target, stream);
    } catch (PropertyStreamError const& error) {
        apply_rejection = Rejection { error.Property(), error.Offset() };
    }

    if (read_rejection) {
        Check(apply_rejection == read_rejection, "applying rejects otherwise than reading", read_rejection);
        Check(target.applied.empty(), "a rejected stream was applied in part", read_rejection);
        CheckRejection(stream, *read_rejection);
        return 0;
    }

    Check(!apply_rejection, "applying rejects a stream that reads", apply_rejection);
    Check(target.applied == *entries, "the applied entries differ from the read ones");
    try {
        auto const rewritten = WritePropertyStream(*entries);
        Check(std::equal(rewritten.begin(), rewritten.end(), stream.begin(), stream.end()),
            "the read entries write another stream");
    } catch (PropertyStreamError const& error) {
        Fail("the read entries cannot be written", Rejection { error.Property(), error.Offset() });
    }
    return 0;
}
