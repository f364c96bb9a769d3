#pragma once
// What every reader's fuzz target checks beyond "does not crash". AddressSanitizer and
// UndefinedBehaviorSanitizer catch a read past an array and a number too big for its type,
// whatever the file holds; the targets add the promises the readers make:
//   refused   the state is as it was (recover.dat, which keeps what it read before a bad
//             line, may change only at lines the file holds, each to that line's value)
//   accepted  written back and read again, the state writes the same bytes (a Single keeps
//             seven significant digits, so the bytes are the measure, not the floats)
// A broken promise aborts with its name, so libFuzzer keeps the input.

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace reflex::fuzz {

inline void require(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// Bytes on a read-only device, as the program hands a file's bytes to a reader.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : bytes_(reinterpret_cast<const char*>(data), qsizetype(size))
    {
        device_.setBuffer(&bytes_);
        device_.open(QIODevice::ReadOnly);
    }
    explicit Bytes(QByteArray bytes) : bytes_(std::move(bytes))
    {
        device_.setBuffer(&bytes_);
        device_.open(QIODevice::ReadOnly);
    }
    QBuffer& device() { return device_; }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    QBuffer device_;
};

template <typename Write>
QByteArray written(Write write)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    require(write(out), "a writer refused a memory buffer");
    return out.data();
}

// `write(device, state)` and `read(device, state)` are the program's writer and reader.
template <typename State, typename Write, typename Read>
void requireRoundTrip(const State& accepted, Write write, Read read)
{
    const QByteArray first = written([&](QIODevice& d) { return write(d, accepted); });
    State again = accepted;
    Bytes back(first);
    require(read(back.device(), again), "a file the program wrote is refused");
    require(written([&](QIODevice& d) { return write(d, again); }) == first,
            "an accepted file written back and read again is another state");
}

// The lines of `input` as the value reader splits them (at LF, one CR before it dropped).
QList<QByteArray> readerLines(const QByteArray& input);
// True when every line in which `after` differs from `before` (both as written) is a line of
// `input` and holds that line's value in the written form.
bool changedOnlyAtReadLines(const QByteArray& before, const QByteArray& after, const QByteArray& input);

} // namespace reflex::fuzz
