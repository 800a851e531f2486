// Runs bin/disclist as a separate process (the tests run in bin/), with its standard output and
// standard error caught in files, and gives back the exit status and both texts.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

struct DisclistRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readFileBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string quoteArgument(const std::string &argument) {
#if defined(_WIN32)
    // The C runtime's parser: double quotes around the argument; backslashes are literal unless
    // they stand before a quote, so those before an inner quote or the closing one are doubled
    // ("C:\dir\" would otherwise end in an escaped quote) and an inner quote gets one more.
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
#else
    std::string quoted = "'";
    for (char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
#endif
}

inline DisclistRun runDisclist(const std::vector<std::string> &arguments,
                               const std::filesystem::path &scratch) {
#if defined(_WIN32)
    std::string command = ".\\disclist.exe";
#else
    std::string command = "./disclist";
#endif
    for (const auto &argument : arguments) command += " " + quoteArgument(argument);
    std::filesystem::path outFile = scratch / "stdout.txt";
    std::filesystem::path errFile = scratch / "stderr.txt";
    command += " >" + quoteArgument(outFile.string()) + " 2>" + quoteArgument(errFile.string());
#if defined(_WIN32)
    command = "\"" + command + "\""; // cmd /c strips one pair of outer quotes
#endif
    DisclistRun run;
    int raw = std::system(command.c_str());
#if defined(_WIN32)
    run.status = raw;
#else
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = readFileBytes(outFile);
    run.err = readFileBytes(errFile);
    return run;
}
