// The value codec under recover.dat, .nrm and .col: a value read from a line writes a form that
// reads back to the same form, and a comment of any characters, line ends and quotes included,
// survives the writer and the reader.
#include "FuzzChecks.h"
#include "shared/ValueCodec.h"

#include <cmath>

using namespace brevane;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    const QString text = decodeLine(input.data);
    if (const auto f = parseSingle(text)) {
        const auto back = parseSingle(formatSingle(*f));
        require(std::isfinite(*f) && back && formatSingle(*back) == formatSingle(*f),
                "a written Single reads back as another");
    }
    if (const auto i = parseInteger(text))
        require(parseInteger(formatInteger(*i)) == i, "a written Integer reads back as another");
    if (const auto s = parseString(text))
        require(parseString(formatString(*s)) == s, "a written string reads back as another");

    fuzz::Bytes comment(fuzz::written([&](QIODevice& d) {
        ValueWriter out(d);
        out.string(text);
        return out.ok();
    }));
    require(ValueReader(comment).string() == text, "a written comment reads back as another");
    // Every line read as each type in turn: the reader takes a line a call and stops at the end.
    ValueReader lines(input);
    for (qsizetype calls = 0; !input.atEnd(); ++calls) {
        calls % 3 == 0 ? void(lines.single()) : calls % 3 == 1 ? void(lines.integer()) : void(lines.string());
        require(calls <= input.data.count('\n'), "a read took no line");
    }
    return 0;
}
