// Every member of the catalogue, fed input that does not fit its dialogue, must end
// promptly by itself: no signal, no sanitizer report, and status 0, 1 or a status its
// own dialogue names.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "dialogue.hpp"

namespace {

std::string random_bytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(gen() & 0xff);
    return s;
}

// Random digits, signs, blanks and newlines: input that mostly parses.
std::string random_numbers(std::size_t n, unsigned seed) {
    static const char alphabet[] = "0123456789012345678901234567890123456789-+ \n\n\n.e";
    std::mt19937 gen(seed);
    std::string s(n, ' ');
    for (char& c : s) c = alphabet[gen() % (sizeof alphabet - 1)];
    return s;
}

using dialogue::repeat;

const std::map<std::string, std::string>& hostile_inputs() {
    static const std::map<std::string, std::string> inputs = {
        {"empty", ""},
        {"letters", "abcdefghij klmnop\n"},
        {"huge_numbers", "99999999999999999999 -99999999999999999999 1e99999 2147483648 -2147483649\n"},
        {"long_line", std::string(100000, 'x') + "\n"},
        {"long_number", std::string(100000, '9') + "\n"},
        {"random_bytes", random_bytes(65536, 7)},
        {"random_numbers", random_numbers(4096, 11)},
        {"small_numbers", repeat("3\n2\n1\n5\n7\n-1\n0\n4\n", 200)},
        {"numbers_then_letters", "2\n1\n5\n1\nx\n2\ny\n3\n"},
    };
    return inputs;
}

// Data files a member may read, filled with garbage.
dialogue::Files garbage_files() {
    const std::string junk = random_bytes(3000, 3);
    const std::string text = "3\nfarm apple 12.5\nnot a record\n" + std::string(5000, 'w') + " 7\n";
    return {{"t3o.txt", text}, {"t3e.txt", text}, {"item.txt", junk}, {"student.txt", junk}, {"TempFile.txt", junk}};
}

// Statuses other than 0 and 1 that a member's own dialogue names.
const std::map<std::string, std::set<int>>& named_statuses() {
    static const std::map<std::string, std::set<int>> named = {
        {"beststudent08", {255}},  // -1 when its data file cannot be opened
        {"beststudent09", {255}},
        {"farmprice04", {255}},
    };
    return named;
}

class HostileInput : public ::testing::TestWithParam<std::string> {};

TEST_P(HostileInput, EndsSoundly) {
    const std::string& member = GetParam();
    std::set<int> allowed = {0, 1};
    if (const auto it = named_statuses().find(member); it != named_statuses().end())
        allowed.insert(it->second.begin(), it->second.end());
    for (const bool with_files : {false, true}) {
        for (const auto& [label, input] : hostile_inputs()) {
            SCOPED_TRACE(label + (with_files ? " with garbage data files" : ""));
            dialogue::Run what;
            what.member = member;
            what.input = input;
            what.limit = std::chrono::milliseconds(10000);
            if (with_files) what.files = garbage_files();
            const dialogue::Result r = dialogue::run(what);
            EXPECT_FALSE(r.timed_out) << "did not end in time";
            EXPECT_EQ(r.signal, 0) << "ended by signal " << r.signal << "\n" << r.err.substr(0, 2000);
            EXPECT_TRUE(allowed.count(r.status)) << "status " << r.status << "\n" << r.err.substr(0, 2000);
            EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << r.err.substr(0, 4000);
            EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << r.err.substr(0, 4000);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostileInput, ::testing::ValuesIn(dialogue::catalogue_members()),
                         [](const auto& info) { return info.param; });

}  // namespace
