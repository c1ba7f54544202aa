// Runs built programs of the collection the way a user would and records what they did.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dialogue {

// Files by name, with their whole contents.
using Files = std::map<std::string, std::string>;

struct Run {
    std::string member;                     // program name, as in build/bin
    std::string input;                      // everything on standard input
    Files files;                            // placed in the working directory first
    std::vector<std::string> dirs;          // directories placed there first
    std::chrono::milliseconds limit{10000};  // the run is killed after this
};

struct Result {
    std::string out;
    std::string err;
    int status = -1;   // exit status, or -1 when the program did not exit
    int signal = 0;    // the signal that ended it, if any
    bool timed_out = false;
    Files files;       // regular files in the working directory afterwards
};

// Runs a member in a fresh temporary directory, which is removed afterwards.
Result run(const Run& what);

// Directory of the built members.
std::string bin_dir();

// Every member of the catalogue, in catalogue order.
std::vector<std::string> catalogue_members();

// One row of a dialogue table: the whole standard output must match byte for byte,
// and so must the exit status; stderr is checked only for the given fragment.
struct Case {
    std::string name;     // test name: letters, digits and underscores
    std::string member;
    std::string input;
    std::string out;
    int status = 0;
    std::string err_has;  // a fragment standard error must contain ("" = must be empty)
    Files before;
    std::map<std::string, std::optional<std::string>> after;  // nullopt: must not exist
    std::vector<std::string> dirs;
};

// Runs the case and reports every difference as a GoogleTest failure.
void check(const Case& c);

// Names parameterized tests after their cases.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const { return info.param.name; }
};

// Shows a case by name in GoogleTest's messages.
inline void PrintTo(const Case& c, std::ostream* os) { *os << c.name << " (" << c.member << ")"; }

// The text `times` times over, for transcripts that repeat a menu or a prompt.
std::string repeat(const std::string& text, int times);

// A whole file's bytes ("" when it cannot be read), and a file written with exactly these bytes.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

// Shows a string with its control characters escaped, for readable failures.
std::string visible(const std::string& s);

}  // namespace dialogue
