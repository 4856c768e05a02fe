#pragma once
// Running mkrec, dashtrack and other commands from tests, and reading
// dashtrack's slot CSV back.

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

struct CommandResult {
    int status = -1;
    std::string out;
};

inline CommandResult Execute(const std::string& command)
{
    CommandResult run;
    if (std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

// A command's status and what it said on both outputs.
inline CommandResult RunSaying(const std::string& command)
{
    return Execute("{ exec 2>&1; " + command + "; }");
}

// For the shell, whatever the bytes.
inline std::string Quote(const std::string& s)
{
    std::string quoted = "'";
    for (char c : s)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Slot {
    float x, y, z, aux;
    unsigned status;
    std::string latitude, longitude;
    int speed;
    double course;
};

inline std::vector<Slot> ParseSlots(const std::string& csv)
{
    std::vector<Slot> slots;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string v; std::getline(fields, v, ',');)
            f.push_back(v);
        f.resize(10);
        slots.push_back({std::stof(f[1]), std::stof(f[2]), std::stof(f[3]), std::stof(f[4]),
                         static_cast<unsigned>(std::stoul(f[5])), f[6], f[7], std::stoi(f[8]), std::stod(f[9])});
    }
    return slots;
}
