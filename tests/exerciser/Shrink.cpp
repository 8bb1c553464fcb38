#include "tests/exerciser/Shrink.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>

namespace sim::exerciser {

Outcome RunInChild(const std::string& program, const Sequence& steps,
                   const std::vector<std::string>& extraArguments) {
    char name[] = "/tmp/exerciser-sequence-XXXXXX";
    const int file = ::mkstemp(name);
    if (file < 0) {
        return {true, "setup", 0};
    }
    ::close(file);
    std::ofstream(name) << FormatSequence(steps) << "\n";

    std::vector<std::string> arguments = {program, "--sequence-file", name, "--quiet"};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0) {
        ::unlink(name);
        return {true, "setup", 0};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], 1);
        ::dup2(out[1], 2);
        ::close(out[0]);
        ::close(out[1]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::unlink(name);

    static const std::regex line("EXERCISER-FAILURE kind=(\\S+) index=(\\d+)");
    std::smatch match;
    if (std::regex_search(output, match, line)) {
        return {true, match[1].str(), std::stoul(match[2].str())};
    }
    if (WIFSIGNALED(status)) {
        return {true, "crash-signal-" + std::to_string(WTERMSIG(status)), steps.size() - 1};
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {true, "exit-" + std::to_string(WEXITSTATUS(status)), steps.size() - 1};
    }
    return {};
}

ShrinkResult Shrink(const Sequence& steps,
                    const std::function<std::optional<std::size_t>(const Sequence&)>& fails,
                    const std::function<void(const Sequence&)>& progress) {
    ShrinkResult result;
    result.Steps = steps;
    const auto tryCandidate = [&](const Sequence& candidate) {
        ++result.Runs;
        if (const auto index = fails(candidate)) {
            // What comes after the failing step plays no part.
            result.Steps.assign(candidate.begin(),
                                candidate.begin() + static_cast<std::ptrdiff_t>(
                                                        std::min(*index + 1, candidate.size())));
            if (progress) {
                progress(result.Steps);
            }
            return true;
        }
        return false;
    };
    std::size_t parts = 2;
    while (result.Steps.size() >= 2) {
        const std::size_t size = result.Steps.size();
        const std::size_t chunk = (size + parts - 1) / parts;
        bool reduced = false;
        // Drop one chunk at a time, the later ones first: they are more often idle.
        for (std::size_t end = size; end > 0 && !reduced;) {
            const std::size_t start = end > chunk ? end - chunk : 0;
            Sequence candidate(result.Steps.begin(),
                               result.Steps.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(),
                             result.Steps.begin() + static_cast<std::ptrdiff_t>(end),
                             result.Steps.end());
            reduced = !candidate.empty() && tryCandidate(candidate);
            end = start;
        }
        if (reduced) {
            parts = std::max<std::size_t>(parts - 1, 2);
        } else if (parts >= size) {
            break;  // no single step can go: the sequence is as short as this gets
        } else {
            parts = std::min(parts * 2, size);
        }
    }
    return result;
}

}  // namespace sim::exerciser
