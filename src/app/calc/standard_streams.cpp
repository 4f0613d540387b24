#include "app/calc/standard_streams.h"

#include "app/calc/exit_status.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace qvk::calc {
namespace {

int closedInputError = 0;
bool outputFailureTold = false;  // the rest of the output goes nowhere, without more words

bool isClosed(int fd) { return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF; }

void onDevNull(int fd, int flags)
{
    const int opened = ::open("/dev/null", flags);
    if (opened >= 0 && opened != fd) {
        ::dup2(opened, fd);
        ::close(opened);
    }
}

int report(const char* what, int error)
{
    std::fprintf(stderr, "qvk-calc: cannot %s: %s\n", what, error != 0 ? std::strerror(error) : "I/O error");
    return kInputOutputFailed;
}

}  // namespace

std::optional<int> checkStandardStreams()
{
    // in order: /dev/null takes the lowest free number
    if (isClosed(STDIN_FILENO)) {
        closedInputError = EBADF;
        onDevNull(STDIN_FILENO, O_RDONLY);
    }
    const bool outputClosed = isClosed(STDOUT_FILENO);
    if (outputClosed) onDevNull(STDOUT_FILENO, O_WRONLY);
    if (isClosed(STDERR_FILENO)) onDevNull(STDERR_FILENO, O_WRONLY);
    if (outputClosed) return report("write standard output", EBADF);
    // everything of a command but a batch's blocks goes out at the end, where finishOutput sees its fate
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    return std::nullopt;
}

int standardInputError() { return closedInputError; }

int inputFailed(int error) { return report("read standard input", error); }

int outputFailed(int error)
{
    if (error == EPIPE) {
        // the reader went away; end as the default SIGPIPE ends a program, even where it was ignored
        std::signal(SIGPIPE, SIG_DFL);
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigprocmask(SIG_UNBLOCK, &pipe, nullptr);
        std::raise(SIGPIPE);
        return 128 + SIGPIPE;
    }
    outputFailureTold = true;
    return report("write standard output", error);
}

int finishOutput(int status)
{
    if (outputFailureTold) return status;
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    return outputFailed(errno);
}

}  // namespace qvk::calc
