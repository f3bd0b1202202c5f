#pragma once
// corvel-report: the engine's computations from the command line, as CSV on stdout.
// Each command registers itself with a static Command object in its own file.

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace corvel::report {

using Args = std::vector<std::string>;
// Runs a command; returns the exit status. Messages go to `err`.
using Handler = std::function<int(const Args &args, std::ostream &out, std::ostream &err)>;

struct Command {
    // `name` is the first argument that selects the command; an empty name is the
    // default command (a history file as the first argument).
    Command(const std::string &name, const std::string &usage, Handler handler);
};

// Value of an option "--name VALUE" (the option and its value are removed from args),
// or `fallback` when absent. Throws UserError when the value is missing.
std::string takeOption(Args &args, const std::string &name, const std::string &fallback);
// Presence of a flag "--name" (removed from args).
bool takeFlag(Args &args, const std::string &name);
// "--seed N" of the commands that draw random numbers: N in 0 … 4294967295 (the
// generator's whole state), or the clock's seed when the option is absent. Throws UserError
// for any other value.
uint32_t takeSeed(Args &args);

// The sections "# deviation" and "# rebound" of the history report: every item of the
// deviation and the rebound search, in catalogue order.
void searchSections(std::ostream &out, const std::vector<std::array<int32_t, 4>> &draws);

// The whole text of a file as UTF-8: UTF-16 with a byte order mark and GBK are converted,
// as the program reads its files (unicodeText). Throws UserError naming the file when it
// cannot be read, is a folder or a device, pipe or socket, is larger than MaxTextFileBytes
// or holds NUL characters; with `legacyAllowed` false also when it is not Unicode text (a
// condition file is UTF-8).
std::string readInputFile(const std::string &path, bool legacyAllowed = true);
// Its lines, split as the program splits every text file (CR LF, LF or CR).
std::vector<std::string> readInputLines(const std::string &path);

} // namespace corvel::report
