#include "CpuUse.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace timing {

std::string readFirstLine(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string cpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    return "unknown CPU";
}

namespace {

struct ProcessStat {
    int parent = 0;
    unsigned long long ticks = 0; // user + system
};

// Fields after the command name, which may hold blanks and parentheses: state is field 3,
// the parent 4, user and system time 14 and 15.
bool readProcessStat(const std::string& pid, ProcessStat& out)
{
    const std::string stat = readFirstLine("/proc/" + pid + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return false;
    std::istringstream in(stat.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && in >> field; ++i) {
        if (i == 4)
            out.parent = std::atoi(field.c_str());
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    out.ticks = utime + stime;
    return true;
}

unsigned long long familyTicks(int root)
{
    std::map<int, ProcessStat> all;
    if (DIR* d = opendir("/proc")) {
        while (const dirent* e = readdir(d)) {
            ProcessStat s;
            if (std::all_of(e->d_name, e->d_name + std::char_traits<char>::length(e->d_name), ::isdigit) &&
                readProcessStat(e->d_name, s))
                all[std::atoi(e->d_name)] = s;
        }
        closedir(d);
    }
    unsigned long long sum = 0;
    std::vector<int> todo{root};
    if (auto it = all.find(root); it != all.end())
        sum += it->second.ticks;
    while (!todo.empty()) {
        const int parent = todo.back();
        todo.pop_back();
        for (const auto& [pid, s] : all)
            if (s.parent == parent) {
                sum += s.ticks;
                todo.push_back(pid);
            }
    }
    return sum;
}

} // namespace

CpuMeter readCpuMeter(int family)
{
    std::istringstream in(readFirstLine("/proc/stat"));
    std::string cpu;
    in >> cpu;
    CpuMeter m;
    unsigned long long v = 0;
    for (int i = 0; in >> v; ++i) {
        m.total += v;
        if (i != 3 && i != 4 && i != 7) // idle, iowait, steal
            m.busy += v;
        if (i == 7)
            m.steal += v;
    }
    m.own = familyTicks(family);
    return m;
}

CpuUse cpuUseBetween(const CpuMeter& a, const CpuMeter& b)
{
    CpuUse u;
    const double total = double(b.total - a.total);
    if (total <= 0)
        return u;
    const double cpus = double(sysconf(_SC_NPROCESSORS_ONLN));
    const double busy = double(b.busy - a.busy);
    // A process of the family that ended meanwhile takes its ticks with it: never below zero.
    const double own = b.own > a.own ? double(b.own - a.own) : 0.0;
    u.own = own / total * cpus;
    u.other = std::max(0.0, (busy - own) / total * cpus);
    u.steal = double(b.steal - a.steal) / total * cpus;
    return u;
}

} // namespace timing
