#include "dialogue.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace dialogue {
namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spill(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

// A fresh private directory, removed with everything in it at the end of scope.
struct TempDir {
    fs::path path;
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "member-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary directory");
        path = tmpl;
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

}  // namespace

std::string bin_dir() { return MEMBER_BIN_DIR; }

std::string repeat(const std::string& text, int times) {
    std::string r;
    for (int i = 0; i < times; ++i) r += text;
    return r;
}

std::string read_file(const std::string& path) { return slurp(path); }
void write_file(const std::string& path, const std::string& bytes) { spill(path, bytes); }

std::vector<std::string> catalogue_members() {
    // Each line: <dir>\t<title>\t<member> <member> ...
    std::vector<std::string> members;
    std::ifstream in(MEMBER_CATALOGUE);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.rfind('\t');
        if (tab == std::string::npos) continue;
        std::istringstream names(line.substr(tab + 1));
        std::string m;
        while (names >> m) members.push_back(m);
    }
    return members;
}

Result run(const Run& what) {
    std::signal(SIGPIPE, SIG_IGN);
    TempDir dir;
    for (const auto& d : what.dirs) fs::create_directories(dir.path / d);
    for (const auto& [name, bytes] : what.files) spill(dir.path / name, bytes);

    const std::string exe = bin_dir() + "/" + what.member;
    int in_pipe[2], out_pipe[2], err_pipe[2];
    if (pipe(in_pipe) || pipe(out_pipe) || pipe(err_pipe)) throw std::runtime_error("pipe failed");

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        setpgid(0, 0);
        dup2(in_pipe[0], 0);
        dup2(out_pipe[1], 1);
        dup2(err_pipe[1], 2);
        for (int fd : {in_pipe[0], in_pipe[1], out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) close(fd);
        if (chdir(dir.path.c_str()) != 0) _exit(125);
        // A sanitizer report must never pass for the program's own status 1.
        setenv("ASAN_OPTIONS", "exitcode=86:detect_leaks=0:abort_on_error=0", 1);
        setenv("UBSAN_OPTIONS", "exitcode=87:halt_on_error=1:print_stacktrace=1", 1);
        execl(exe.c_str(), what.member.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in_pipe[0]);
    close(out_pipe[1]);
    close(err_pipe[1]);

    Result r;
    std::size_t written = 0;
    int to_child = in_pipe[1];
    fcntl(to_child, F_SETFL, O_NONBLOCK);
    if (what.input.empty()) {
        close(to_child);
        to_child = -1;
    }
    int from_out = out_pipe[0], from_err = err_pipe[0];
    const auto deadline = std::chrono::steady_clock::now() + what.limit;

    while (from_out >= 0 || from_err >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            r.timed_out = true;
            break;
        }
        pollfd fds[3];
        int n = 0;
        if (from_out >= 0) fds[n++] = {from_out, POLLIN, 0};
        if (from_err >= 0) fds[n++] = {from_err, POLLIN, 0};
        if (to_child >= 0) fds[n++] = {to_child, POLLOUT, 0};
        if (poll(fds, n, static_cast<int>(left.count())) < 0) continue;
        for (int i = 0; i < n; ++i) {
            if (!fds[i].revents) continue;
            if (fds[i].fd == to_child) {
                const ssize_t w = write(to_child, what.input.data() + written, what.input.size() - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 && errno != EAGAIN) written = what.input.size();
                if (written == what.input.size()) {
                    close(to_child);
                    to_child = -1;
                }
                continue;
            }
            char buf[65536];
            const ssize_t got = read(fds[i].fd, buf, sizeof buf);
            int& fd = fds[i].fd == from_out ? from_out : from_err;
            std::string& sink = fds[i].fd == from_out ? r.out : r.err;
            if (got > 0) {
                sink.append(buf, static_cast<std::size_t>(got));
            } else {
                close(fd);
                fd = -1;
            }
        }
    }
    if (to_child >= 0) close(to_child);
    if (from_out >= 0) close(from_out);
    if (from_err >= 0) close(from_err);

    int status = 0;
    if (r.timed_out) {
        kill(-pid, SIGKILL);
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    } else {
        // Output closed; the program may still be ending.
        for (;;) {
            const pid_t w = waitpid(pid, &status, WNOHANG);
            if (w == pid) break;
            if (std::chrono::steady_clock::now() > deadline) {
                r.timed_out = true;
                kill(-pid, SIGKILL);
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
            usleep(1000);
        }
    }
    if (!r.timed_out && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);

    for (const auto& entry : fs::directory_iterator(dir.path)) {
        if (entry.is_regular_file()) r.files[entry.path().filename().string()] = slurp(entry.path());
    }
    return r;
}

std::string visible(const std::string& s) {
    std::string v;
    for (unsigned char c : s) {
        switch (c) {
        case '\n': v += "\\n\n"; break;
        case '\t': v += "\\t"; break;
        case '\\': v += "\\\\"; break;
        default:
            if (c < 32 || c >= 127) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", c);
                v += hex;
            } else {
                v += static_cast<char>(c);
            }
        }
    }
    return v;
}

void check(const Case& c) {
    Run what;
    what.member = c.member;
    what.input = c.input;
    what.files = c.before;
    what.dirs = c.dirs;
    const Result r = run(what);
    SCOPED_TRACE(c.member);
    EXPECT_FALSE(r.timed_out) << "the program did not end in time";
    EXPECT_EQ(r.signal, 0) << "ended by a signal";
    EXPECT_EQ(r.out, c.out) << "standard output differs; got:\n" << visible(r.out) << "\nexpected:\n" << visible(c.out);
    EXPECT_EQ(r.status, c.status) << "stderr: " << r.err;
    if (c.err_has.empty()) {
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_NE(r.err.find(c.err_has), std::string::npos) << "stderr was: " << r.err;
    }
    for (const auto& [name, bytes] : c.after) {
        const auto found = r.files.find(name);
        if (!bytes) {
            EXPECT_EQ(found, r.files.end()) << name << " should not exist";
        } else if (found == r.files.end()) {
            ADD_FAILURE() << name << " was not written";
        } else {
            EXPECT_EQ(found->second, *bytes) << name << " differs; got:\n" << visible(found->second);
        }
    }
}

}  // namespace dialogue
