#pragma once
// What every reader's fuzz target checks beyond "does not crash" (the sanitizers catch a read
// past an array and a number too big for its type, whatever the file holds):
//   refused   the state is as it was; recover.dat, which keeps what it read before a bad line,
//             may change only at lines the file holds, each to that line's value
//   accepted  written back and read again, the state writes the same bytes (a Single keeps
//             seven significant digits, so the bytes are the measure, not the floats)
// A broken promise aborts with its name, so that libFuzzer keeps the input.

#include <QBuffer>
#include <cstdint>
#include <functional>

namespace brevane::fuzz {

void require(bool holds, const char* promise);

// Bytes on a read-only device, as the program hands a file's bytes to a reader.
struct Bytes : QBuffer {
    explicit Bytes(QByteArray bytes)
        : data(std::move(bytes))
    {
        setBuffer(&data), open(ReadOnly);
    }
    Bytes(const std::uint8_t* in, std::size_t size)
        : Bytes(QByteArray(reinterpret_cast<const char*>(in), qsizetype(size)))
    {
    }
    QByteArray data;
};

QByteArray written(const std::function<bool(QIODevice&)>& write);

// `write(device, state)` and `read(device, state)` are the program's writer and reader.
template <typename State, typename Write, typename Read>
void requireRoundTrip(const State& accepted, Write write, Read read)
{
    const QByteArray first = written([&](QIODevice& d) { return write(d, accepted); });
    State again = accepted;
    Bytes back(first);
    require(read(back, again), "a file the program wrote is refused");
    require(written([&](QIODevice& d) { return write(d, again); }) == first,
            "an accepted file written back and read again is another state");
}

// True when every line in which `after` differs from `before` (both as written) is a line of
// `input` and holds that line's value in the written form.
bool changedOnlyAtReadLines(const QByteArray& before, const QByteArray& after, const QByteArray& input);

} // namespace brevane::fuzz
