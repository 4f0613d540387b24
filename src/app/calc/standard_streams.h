#pragma once
// qvk-calc's standard streams, and the truth about them in the exit status.
//
// Output that cannot be written (a full disk, a closed standard output) and
// input that cannot be read (a folder as standard input) end the run with a
// message and kInputOutputFailed (exit_status.h), never with 0: a script must
// not take a lost result for a good one. A reader that goes away, as "| head -1" does,
// ends the run quietly, by SIGPIPE, as it ends every command-line tool.

#include <optional>

namespace qvk::calc {

// Run first, before anything opens a file or a socket: a closed standard
// output is reported, and the exit status returned. A closed standard input
// or error output is put on /dev/null, so that no socket takes its number;
// the input's closing is remembered for standardInputError().
std::optional<int> checkStandardStreams();

// The errno of a standard input that was closed at start, or 0.
int standardInputError();

// Reports that standard input could not be read; the exit status.
int inputFailed(int error);
// Reports that standard output could not be written (quietly ending the run
// when the reader went away); the exit status.
int outputFailed(int error);

// Flushes standard output; `status` when everything went out, otherwise as
// outputFailed.
int finishOutput(int status);

}  // namespace qvk::calc
