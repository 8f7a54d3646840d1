#pragma once
// The exit status of every command-line mode, the one thing a script reads besides the
// output.
namespace tivra {

enum class ExitStatus {
    Done = 0,    // the mode did what was asked
    Refused = 1, // the request was refused (check: start-up gave messages); nothing written
    Ended = 2,   // the command line is wrong, or start-up (or a fatal error) ended the program
};

inline int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

} // namespace tivra
