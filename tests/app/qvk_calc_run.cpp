#include "app/qvk_calc_run.h"

#include "support/file_bytes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

extern char** environ;

Outcome qvkCalcWith(std::vector<std::string> arguments, const Streams& streams)
{
    const auto folder = std::filesystem::temp_directory_path() / ("qvk-calc-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto in = folder / "in", out = folder / "out", err = folder / "err";
    std::ofstream(in, std::ios::binary) << streams.input;

    int pipeEnds[2] = {-1, -1};
    if (streams.readOneLineAndStop && pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (streams.closeInput)
        posix_spawn_file_actions_addclose(&files, 0);
    else
        posix_spawn_file_actions_addopen(&files, 0, streams.inputFrom.value_or(in.string()).c_str(), O_RDONLY, 0);
    if (streams.closeOutput)
        posix_spawn_file_actions_addclose(&files, 1);
    else if (streams.readOneLineAndStop)
        posix_spawn_file_actions_adddup2(&files, pipeEnds[1], 1);
    else
        posix_spawn_file_actions_addopen(&files, 1, streams.outputTo.value_or(out.string()).c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    arguments.insert(arguments.begin(), streams.program);
    std::vector<char*> argv;
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);

    // the test's own variables replace those of the same name
    std::vector<std::string> variables = streams.environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view entry = *variable;
        const auto name = entry.substr(0, entry.find('=') + 1);
        const bool replaced = std::any_of(streams.environment.begin(), streams.environment.end(),
                                          [&](const std::string& own) { return own.starts_with(name); });
        if (!replaced) variables.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    Outcome run;
    pid_t pid = 0;
    if (posix_spawn(&pid, streams.program.c_str(), &files, nullptr, argv.data(), envp.data()) == 0) {
        if (streams.readOneLineAndStop) {
            close(pipeEnds[1]);
            char c = 0;
            while (read(pipeEnds[0], &c, 1) == 1 && c != '\n') run.out += c;
            close(pipeEnds[0]);
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        run.peakMegabytes = usage.ru_maxrss / 1024;
    }
    posix_spawn_file_actions_destroy(&files);
    if (!streams.closeOutput && !streams.readOneLineAndStop && !streams.outputTo) run.out = fileBytes(out);
    run.err = fileBytes(err);
    std::filesystem::remove_all(folder);
    return run;
}

Outcome qvkCalc(std::vector<std::string> arguments, const std::string& input)
{
    return qvkCalcWith(std::move(arguments), Streams{input});
}

Outcome qvkCalcAt(const std::string& program, std::vector<std::string> arguments,
                  const std::vector<std::string>& environment, const std::string& input)
{
    Streams streams{input};
    streams.program = program;
    streams.environment = environment;
    return qvkCalcWith(std::move(arguments), streams);
}
