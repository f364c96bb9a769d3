// The value codec under recover.dat, .nrm and .col: every value a line holds comes back
// unchanged from its written form, and a string of any characters survives the writer and
// the reader, line ends and quotes included.
#include "FuzzChecks.h"
#include "shared/ValueCodec.h"

#include <cmath>

using namespace reflex;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    const QString text = decodeLine(input.bytes());

    if (const auto f = parseSingle(text)) {
        require(std::isfinite(*f), "a Single read as infinite or NaN");
        const auto back = parseSingle(formatSingle(*f));
        require(back && formatSingle(*back) == formatSingle(*f), "a written Single reads back as another");
    }
    if (const auto i = parseInteger(text))
        require(parseInteger(formatInteger(*i)) == i, "a written Integer reads back as another");
    if (const auto s = parseString(text))
        require(parseString(formatString(*s)) == s, "a written string reads back as another");

    // The whole input as one comment through the writer and the reader, then every line of
    // it read as each type until the data end: the reader stops there, whatever it meets.
    const QByteArray file = fuzz::written([&](QIODevice& d) {
        ValueWriter out(d);
        out.string(text);
        return out.ok();
    });
    fuzz::Bytes back(file);
    require(ValueReader(back.device()).string() == text, "a written comment reads back as another");

    ValueReader lines(input.device());
    qsizetype calls = 0;
    while (!input.device().atEnd()) {
        switch (calls++ % 3) {
        case 0: (void)lines.single(); break;
        case 1: (void)lines.integer(); break;
        default: (void)lines.string(); break;
        }
        require(calls <= input.bytes().count('\n') + 1, "a read took no line");
    }
    return 0;
}
