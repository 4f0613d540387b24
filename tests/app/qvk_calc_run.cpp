#include "app/qvk_calc_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

extern char** environ;

namespace {

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

Outcome qvkCalcAt(const std::string& program, std::vector<std::string> arguments,
                  const std::vector<std::string>& environment, const std::string& input)
{
    const auto folder = std::filesystem::temp_directory_path() / ("qvk-calc-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto in = folder / "in", out = folder / "out", err = folder / "err";
    std::ofstream(in, std::ios::binary) << input;

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);

    // the test's own variables replace those of the same name
    std::vector<std::string> variables = environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view entry = *variable;
        const auto name = entry.substr(0, entry.find('=') + 1);
        const bool replaced = std::any_of(environment.begin(), environment.end(),
                                          [&](const std::string& own) { return own.starts_with(name); });
        if (!replaced) variables.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    Outcome run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&files);
    run.out = slurp(out);
    run.err = slurp(err);
    std::filesystem::remove_all(folder);
    return run;
}

Outcome qvkCalc(std::vector<std::string> arguments, const std::string& input)
{
    return qvkCalcAt(QVK_CALC_PATH, std::move(arguments), {}, input);
}
