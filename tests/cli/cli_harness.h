#pragma once
// The headless program run as a user runs it, for the CLI suites: a command line through
// the shell, with its standard output, standard error and exit status.

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"

namespace stelvar::cli_test {

struct Result {
    int Status = 0;
    std::string Out;
    std::string Err;
};

// Runs a shell command line with its standard error in the folder's "stderr.txt". A
// program ended by a signal has the status -1.
inline Result RunShell(const std::string& command, const testing::TempDir& dir) {
    const std::string errFile = (dir / "stderr.txt").string();
    const std::string cmd = command + " 2>'" + errFile + "'";
    Result r;
    FILE* pipe = ::popen(cmd.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("popen failed");
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.Out.append(buf, n);
    const int raw = ::pclose(pipe);
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errFile, std::ios::binary);
    r.Err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return r;
}

// stelvar-cli with the given arguments (already quoted for the shell where needed).
inline Result RunCli(const std::string& args, const testing::TempDir& dir) {
    return RunShell(std::string(STELVAR_CLI_PATH) + " " + args, dir);
}

inline std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One JSON value per line of the output (an empty line is no JSON value and fails).
inline std::vector<nlohmann::json> JsonLines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

// A path in single quotes for the shell.
inline std::string Quoted(const std::filesystem::path& path) {
    std::string out = "'";
    out.append(path.string()).append("'");
    return out;
}

}  // namespace stelvar::cli_test
