#include "ProgramFiles.h"

#include "lib/Clock.h"
#include "lib/Pairing.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace timing {

std::vector<std::string> readRecoveryLines(const std::string& path, std::size_t atLeast)
{
    const fs::path file = path;
    // Written right after the message closes; read it once its size holds still.
    std::vector<std::string> lines;
    const auto deadline = nowNs() + std::int64_t(5e9);
    std::uintmax_t lastSize = 0;
    for (;;) {
        std::error_code ec;
        const auto size = fs::file_size(file, ec);
        if (!ec && size > 0 && size == lastSize) {
            std::ifstream in(file, std::ios::binary);
            lines.clear();
            std::string line;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                lines.push_back(line);
            }
            if (lines.size() >= atLeast)
                return lines;
        }
        if (!ec)
            lastSize = size;
        if (nowNs() > deadline)
            throw std::runtime_error("no complete " + path + " within 5 s after the end of a series");
        sleepForMs(30);
    }
}

std::string readTrace(const std::string& file, std::size_t& linesSeen, std::vector<Stimulus>& runs)
{
    std::ifstream in(file);
    if (file.empty() || !in)
        return {}; // a program without the trace: stored times only
    std::vector<brevane::TimingTraceLine> lines;
    std::string text;
    // A line without its end is still being written: it is read with the next series.
    for (std::size_t n = 0; std::getline(in, text) && !in.eof(); ++n)
        if (n >= linesSeen)
            lines.push_back(brevane::TimingTraceLine::parse(text));
    linesSeen += lines.size();
    return pairTrace(lines, runs);
}

} // namespace timing
