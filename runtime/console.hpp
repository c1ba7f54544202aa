// The console layer shared by every program of the collection.
//
// Every read a program makes goes through here, so that the collection's input
// policy holds in one place:
//   - a read that cannot convert what was typed, or that meets the end of input,
//     ends the program: one line on standard error saying what was expected, exit
//     status 1, standard output flushed and left as it was;
//   - numbers that do not fit their type count as input that cannot be converted;
//   - words and lines are always read into bounded fields, and input longer than
//     the field is refused (never truncated, never overflowing);
//   - at a menu prompt the end of input ends the program quietly (status 0), and a
//     reply that is not a number is discarded to the end of its line and reported.
//
// The reads take the program's own scanf format, so the formats stay the contract.
// Supported conversions: %d, %u, %ld, %lld, %f, %lf, %c, %Ns (a width is
// required), %N[^\n] (a width is required), %%, the assignment-suppressing '*', and
// literal characters and blanks as scanf treats them.
#pragma once

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rt {

// ---------------------------------------------------------------------------
// The one failure path.

[[noreturn]] __attribute__((format(printf, 1, 0))) inline void vfail(const char* fmt, std::va_list ap) {
    std::fflush(stdout);
    std::fputs("error: ", stderr);
    std::vfprintf(stderr, fmt, ap);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::exit(1);
}

// Writes "error: <message>" as one line on standard error and exits with status 1.
[[noreturn]] __attribute__((format(printf, 1, 2))) inline void fail(const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    vfail(fmt, ap);
}

// Reports a problem on standard error without ending the program (menu programs).
__attribute__((format(printf, 1, 2))) inline void warn(const char* fmt, ...) {
    std::fflush(stdout);
    std::fputs("error: ", stderr);
    std::va_list ap;
    va_start(ap, fmt);
    std::vfprintf(stderr, fmt, ap);
    va_end(ap);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// A count or rank read from the user must lie in lo..hi; otherwise the program ends
// naming the allowed range.
inline void check_range(long long value, long long lo, long long hi, const char* what) {
    if (value < lo || value > hi) fail("%s must be from %lld to %lld", what, lo, hi);
}

// The largest array the collection sizes at run time.
inline constexpr long long max_run_time_size = 1000000;

// ---------------------------------------------------------------------------
// Sources of characters: a stream or a string.

namespace detail {

struct StreamSource {
    std::FILE* f;
    int get() { return std::getc(f); }
    void unget(int c) {
        if (c != EOF) std::ungetc(c, f);
    }
};

struct StringSource {
    const char* s;
    int get() { return *s ? static_cast<unsigned char>(*s++) : EOF; }
    void unget(int c) {
        if (c != EOF) --s;
    }
};

inline bool is_blank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

enum class Kind { none, integer, unsigned_integer, real, character, word, line };
enum class Problem { none, end_of_input, mismatch, out_of_range, too_long, bad_format };

struct Outcome {
    int count = 0;              // assignments made
    bool converted_any = false; // some conversion (assigned or not) succeeded
    Problem problem = Problem::none;
    Kind kind = Kind::none;     // the conversion that failed
    int size = 0;               // 'l' count of that conversion
    long long width = 0;        // its width (words and lines)
    char literal = 0;           // the literal that did not match
};

template <class Source>
int skip_blanks(Source& in) {
    int c = in.get();
    while (c != EOF && is_blank(c)) c = in.get();
    return c;  // the first character that is not a blank (consumed), or EOF
}

// Reads an optionally signed run of digits; saturates instead of overflowing.
template <class Source>
Problem read_integer(Source& in, long long lo, unsigned long long hi, bool allow_minus, unsigned long long& magnitude,
                     bool& negative) {
    int c = skip_blanks(in);
    if (c == EOF) return Problem::end_of_input;
    negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = in.get();
    }
    if (!is_digit(c)) {
        in.unget(c);
        return Problem::mismatch;  // something other than a number, or a lone sign
    }
    constexpr unsigned long long cap = 18446744073709551615ULL / 10 - 1;
    magnitude = 0;
    bool saturated = false;
    while (is_digit(c)) {
        if (!saturated) {
            if (magnitude > cap) saturated = true;
            else magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        }
        c = in.get();
    }
    in.unget(c);
    if (saturated) return Problem::out_of_range;
    if (negative) {
        if (!allow_minus) return magnitude == 0 ? Problem::none : Problem::out_of_range;
        const unsigned long long limit = static_cast<unsigned long long>(-(lo + 1)) + 1;
        if (magnitude > limit) return Problem::out_of_range;
    } else if (magnitude > hi) {
        return Problem::out_of_range;
    }
    return Problem::none;
}

// Reads a decimal number as scanf's %f reads it: sign, digits, point, digits, exponent.
template <class Source>
Problem read_real(Source& in, bool is_double, double& value) {
    char text[512];
    std::size_t len = 0;
    bool too_long = false;
    auto keep = [&](int c) {
        if (len + 1 < sizeof text) text[len++] = static_cast<char>(c);
        else too_long = true;
    };
    int c = skip_blanks(in);
    if (c == EOF) return Problem::end_of_input;
    if (c == '+' || c == '-') {
        keep(c);
        c = in.get();
    }
    bool digits = false;
    while (is_digit(c)) {
        keep(c);
        digits = true;
        c = in.get();
    }
    if (c == '.') {
        keep(c);
        c = in.get();
        while (is_digit(c)) {
            keep(c);
            digits = true;
            c = in.get();
        }
    }
    if (!digits) {
        in.unget(c);
        return c == EOF && len == 0 ? Problem::end_of_input : Problem::mismatch;
    }
    if (c == 'e' || c == 'E') {
        keep(c);
        c = in.get();
        if (c == '+' || c == '-') {
            keep(c);
            c = in.get();
        }
        if (!is_digit(c)) {
            // As scanf does: the exponent mark is consumed, and the number stands without it.
            while (len > 0 && (text[len - 1] == 'e' || text[len - 1] == 'E' || text[len - 1] == '+' ||
                               text[len - 1] == '-'))
                --len;
        }
        while (is_digit(c)) {
            keep(c);
            c = in.get();
        }
    }
    in.unget(c);
    if (too_long) return Problem::out_of_range;
    text[len] = '\0';
    errno = 0;
    if (is_double) {
        value = std::strtod(text, nullptr);
    } else {
        value = static_cast<double>(std::strtof(text, nullptr));
    }
    if (std::isinf(value)) return Problem::out_of_range;
    return Problem::none;
}

// Interprets fmt against the source, storing through the va_list as scanf would.
template <class Source>
Outcome scan(Source& in, const char* fmt, std::va_list ap) {
    Outcome out;
    for (const char* p = fmt; *p; ++p) {
        const unsigned char f = static_cast<unsigned char>(*p);
        if (is_blank(f)) {
            in.unget(skip_blanks(in));
            continue;
        }
        if (f != '%' || p[1] == '%') {
            if (f == '%') ++p;
            int c = in.get();
            if (c != f) {
                in.unget(c);
                out.problem = c == EOF ? Problem::end_of_input : Problem::mismatch;
                out.kind = Kind::none;
                out.literal = static_cast<char>(f);
                return out;
            }
            continue;
        }
        ++p;
        const bool assign = *p != '*';
        if (!assign) ++p;
        long long width = 0;
        while (is_digit(static_cast<unsigned char>(*p))) width = width * 10 + (*p++ - '0');
        int size = 0;
        while (*p == 'l') {
            ++size;
            ++p;
        }
        out.size = size;
        out.width = width;
        switch (*p) {
        case 'd':
        case 'u': {
            const bool is_unsigned = *p == 'u';
            out.kind = is_unsigned ? Kind::unsigned_integer : Kind::integer;
            long long lo = size == 0 ? -2147483647LL - 1 : -9223372036854775807LL - 1;
            unsigned long long hi = size == 0 ? 2147483647ULL : 9223372036854775807ULL;
            if (is_unsigned) hi = size == 0 ? 4294967295ULL : 18446744073709551615ULL;
            unsigned long long magnitude = 0;
            bool negative = false;
            out.problem = read_integer(in, lo, hi, !is_unsigned, magnitude, negative);
            if (out.problem != Problem::none) return out;
            const unsigned long long bits = negative ? 0 - magnitude : magnitude;
            if (assign) {
                if (is_unsigned) {
                    if (size == 0) *va_arg(ap, unsigned*) = static_cast<unsigned>(bits);
                    else if (size == 1) *va_arg(ap, unsigned long*) = bits;
                    else *va_arg(ap, unsigned long long*) = bits;
                } else {
                    if (size == 0) *va_arg(ap, int*) = static_cast<int>(static_cast<long long>(bits));
                    else if (size == 1) *va_arg(ap, long*) = static_cast<long>(bits);
                    else *va_arg(ap, long long*) = static_cast<long long>(bits);
                }
                ++out.count;
            }
            break;
        }
        case 'f': {
            out.kind = Kind::real;
            double value = 0;
            out.problem = read_real(in, size > 0, value);
            if (out.problem != Problem::none) return out;
            if (assign) {
                if (size > 0) *va_arg(ap, double*) = value;
                else *va_arg(ap, float*) = static_cast<float>(value);
                ++out.count;
            }
            break;
        }
        case 'c': {
            out.kind = Kind::character;
            const int c = in.get();
            if (c == EOF) {
                out.problem = Problem::end_of_input;
                return out;
            }
            if (assign) {
                *va_arg(ap, char*) = static_cast<char>(c);
                ++out.count;
            }
            break;
        }
        case 's':
        case '[': {
            const bool line = *p == '[';
            out.kind = line ? Kind::line : Kind::word;
            if (line) {
                if (std::strncmp(p, "[^\n]", 4) != 0) {
                    out.problem = Problem::bad_format;
                    return out;
                }
                p += 3;
            }
            if (width == 0) {  // an unbounded read is never made
                out.problem = Problem::bad_format;
                return out;
            }
            char* dest = assign ? va_arg(ap, char*) : nullptr;
            int c = line ? in.get() : skip_blanks(in);
            if (c == EOF) {
                out.problem = Problem::end_of_input;
                return out;
            }
            if (line && c == '\n') {
                in.unget(c);
                out.problem = Problem::mismatch;
                return out;
            }
            long long len = 0;
            while (c != EOF && (line ? c != '\n' : !is_blank(c))) {
                if (len == width) {
                    in.unget(c);
                    out.problem = Problem::too_long;
                    if (dest) dest[len] = '\0';
                    return out;
                }
                if (dest) dest[len] = static_cast<char>(c);
                ++len;
                c = in.get();
            }
            in.unget(c);
            if (dest) {
                dest[len] = '\0';
                ++out.count;
            }
            break;
        }
        default:
            out.problem = Problem::bad_format;
            return out;
        }
        out.converted_any = true;
    }
    return out;
}

// What a failed conversion expected, for the one-line message.
inline const char* expected(const Outcome& o) {
    switch (o.kind) {
    case Kind::integer:
    case Kind::unsigned_integer: return "a whole number";
    case Kind::real: return "a number";
    case Kind::character: return "a character";
    case Kind::word: return "a word";
    case Kind::line: return "a line";
    case Kind::none: break;
    }
    return "more input";
}

inline void describe_range(const Outcome& o, char* buf, std::size_t n) {
    if (o.kind == Kind::integer)
        std::snprintf(buf, n, "%s", o.size == 0 ? "from -2147483648 to 2147483647"
                                                : "from -9223372036854775808 to 9223372036854775807");
    else if (o.kind == Kind::unsigned_integer)
        std::snprintf(buf, n, "%s", o.size == 0 ? "from 0 to 4294967295" : "from 0 to 18446744073709551615");
    else
        std::snprintf(buf, n, "%s", "of a representable size");
}

// Ends the program for a failed read; `where` names a data file, or is null for the keyboard.
[[noreturn]] inline void fail_read(const Outcome& o, const char* where) {
    const char* prefix = where ? where : "";
    const char* sep = where ? ": " : "";
    char range[64];
    switch (o.problem) {
    case Problem::end_of_input:
        if (o.kind == Kind::none && o.literal) fail("%s%sexpected '%c', found the end of %s", prefix, sep, o.literal, where ? "the file" : "input");
        fail("%s%sexpected %s, found the end of %s", prefix, sep, expected(o), where ? "the file" : "input");
    case Problem::mismatch:
        if (o.kind == Kind::none && o.literal) fail("%s%sexpected '%c'", prefix, sep, o.literal);
        fail("%s%sexpected %s", prefix, sep, expected(o));
    case Problem::out_of_range:
        describe_range(o, range, sizeof range);
        fail("%s%sexpected %s %s", prefix, sep, expected(o), range);
    case Problem::too_long:
        fail("%s%sexpected %s of at most %lld characters", prefix, sep, expected(o), o.width);
    case Problem::bad_format:
    case Problem::none: break;
    }
    fail("unsupported read format");
}

// Problems that end the program even where the caller looks at the count of
// conversions: a number that does not fit, a word that does not fit, a format the
// reader does not take.
inline bool is_fatal(const Outcome& o) {
    return o.problem == Problem::out_of_range || o.problem == Problem::too_long || o.problem == Problem::bad_format;
}

// scanf's return value for an outcome: EOF when the input ended before any conversion.
inline int scanf_result(const Outcome& o) {
    if (o.problem == Problem::end_of_input && !o.converted_any) return EOF;
    return o.count;
}

// The scanner with its destinations given directly.
template <class Source>
Outcome scan_args(Source& in, const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    const Outcome o = scan(in, fmt, ap);
    va_end(ap);
    return o;
}

// Discards what is left of the current line, newline included.
inline void discard_line(std::FILE* f) {
    int c = std::getc(f);
    while (c != EOF && c != '\n') c = std::getc(f);
}

}  // namespace detail

// ---------------------------------------------------------------------------
// Keyboard reads.

// Reads standard input with the program's own scanf format. Every conversion must be
// made; otherwise the program ends by the failure path.
__attribute__((format(scanf, 1, 2))) inline void read(const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    detail::StreamSource in{stdin};
    const detail::Outcome o = detail::scan(in, fmt, ap);
    va_end(ap);
    if (o.problem != detail::Problem::none) detail::fail_read(o, nullptr);
}

// Like read, but a word or line longer than its field is refused without ending the
// program: the rest of the line is discarded, the refusal is reported on standard
// error and false is returned (the caller abandons the operation). Other failures end
// the program as read does.
__attribute__((format(scanf, 1, 2))) inline bool read_or_refuse(const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    detail::StreamSource in{stdin};
    const detail::Outcome o = detail::scan(in, fmt, ap);
    va_end(ap);
    if (o.problem == detail::Problem::too_long) {
        detail::discard_line(stdin);
        warn("%s longer than %lld characters refused", o.kind == detail::Kind::line ? "line" : "word", o.width);
        return false;
    }
    if (o.problem != detail::Problem::none) detail::fail_read(o, nullptr);
    return true;
}

// The read at a menu prompt, with the program's own format. Returns true when every
// conversion was made. At the end of input the program ends quietly with status 0, as
// leaving the menu would. A reply that cannot be converted (or is out of range) is
// discarded to the end of its line and reported on standard error, and false is
// returned so that the caller shows the menu again; the destinations keep their values.
__attribute__((format(scanf, 1, 2))) inline bool read_menu(const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    detail::StreamSource in{stdin};
    const detail::Outcome o = detail::scan(in, fmt, ap);
    va_end(ap);
    switch (o.problem) {
    case detail::Problem::none: return true;
    case detail::Problem::end_of_input:
        std::fflush(stdout);
        std::exit(0);
    case detail::Problem::bad_format: detail::fail_read(o, nullptr);
    default: break;
    }
    detail::discard_line(stdin);
    if (o.problem == detail::Problem::out_of_range) {
        char range[64];
        detail::describe_range(o, range, sizeof range);
        warn("expected %s %s; reply ignored", detail::expected(o), range);
    } else {
        warn("expected %s; reply ignored", detail::expected(o));
    }
    return false;
}

// Reads one word into a fixed char field, refusing a word that does not fit.
template <std::size_t N>
void read_word(char (&field)[N]) {
    static_assert(N >= 2);
    char fmt[32];
    std::snprintf(fmt, sizeof fmt, "%%%zus", N - 1);
    detail::StreamSource in{stdin};
    const detail::Outcome r = detail::scan_args(in, fmt, field);
    if (r.problem != detail::Problem::none) detail::fail_read(r, nullptr);
}

// Reads one line (the replacement of gets): the newline is consumed and not stored.
// A line longer than the field can hold ends the program. Returns false only when the
// input has already ended (nothing read).
template <std::size_t N>
bool read_line(char (&field)[N], std::FILE* from = stdin) {
    static_assert(N >= 2);
    std::size_t len = 0;
    int c = std::getc(from);
    if (c == EOF) {
        field[0] = '\0';
        return false;
    }
    while (c != EOF && c != '\n') {
        if (len == N - 1) fail("expected a line of at most %zu characters", N - 1);
        field[len++] = static_cast<char>(c);
        c = std::getc(from);
    }
    field[len] = '\0';
    return true;
}

// ---------------------------------------------------------------------------
// Strings and files.

// sscanf with the same conversions and bounds; returns what sscanf would. A number out
// of range or a word longer than its field ends the program, naming `what`.
__attribute__((format(scanf, 3, 4))) inline int sscan(const char* what, const char* text, const char* fmt, ...) {
    std::va_list ap;
    va_start(ap, fmt);
    detail::StringSource in{text};
    const detail::Outcome o = detail::scan(in, fmt, ap);
    va_end(ap);
    if (detail::is_fatal(o)) detail::fail_read(o, what);
    return detail::scanf_result(o);
}

// A data file, closed when it goes out of scope.
class File {
public:
    File() = default;
    File(const char* name, const char* mode) : name_(name), f_(std::fopen(name, mode)) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& o) noexcept : name_(o.name_), f_(o.f_) { o.f_ = nullptr; }
    File& operator=(File&& o) noexcept {
        if (this != &o) {
            if (f_) std::fclose(f_);
            name_ = o.name_;
            f_ = o.f_;
            o.f_ = nullptr;
        }
        return *this;
    }
    ~File() {
        if (f_) std::fclose(f_);
    }

    // Opens the file or ends the program with a message naming it.
    static File open_or_fail(const char* name, const char* mode) {
        File f(name, mode);
        if (!f) fail("cannot open %s", name);
        return f;
    }

    explicit operator bool() const { return f_ != nullptr; }
    std::FILE* get() const { return f_; }
    const char* name() const { return name_; }

    // fscanf with the same conversions and bounds; returns what fscanf would. A number
    // out of range or a word longer than its field ends the program, naming the file.
    __attribute__((format(scanf, 2, 3))) int scan(const char* fmt, ...) {
        std::va_list ap;
        va_start(ap, fmt);
        detail::StreamSource in{f_};
        const detail::Outcome o = detail::scan(in, fmt, ap);
        va_end(ap);
        if (detail::is_fatal(o)) detail::fail_read(o, name_);
        return detail::scanf_result(o);
    }

    // Like scan, but every conversion must be made, or the program ends naming the file.
    __attribute__((format(scanf, 2, 3))) void read(const char* fmt, ...) {
        std::va_list ap;
        va_start(ap, fmt);
        detail::StreamSource in{f_};
        const detail::Outcome o = detail::scan(in, fmt, ap);
        va_end(ap);
        if (o.problem != detail::Problem::none) detail::fail_read(o, name_);
    }

    // fgets into a fixed buffer: the line and its newline are stored. A line that does
    // not fit ends the program, naming the file. Returns false at the end of the file.
    template <std::size_t N>
    bool get_line(char (&buf)[N]) {
        static_assert(N >= 2);
        if (!std::fgets(buf, static_cast<int>(N), f_)) return false;
        const std::size_t len = std::strlen(buf);
        if (len == N - 1 && buf[len - 1] != '\n') {
            const int c = std::getc(f_);
            if (c != EOF) fail("%s: a line longer than %zu characters", name_, N - 2);
        }
        return true;
    }

    // Closes now, reporting whether everything written reached the file.
    bool close() {
        if (!f_) return false;
        const int r = std::fclose(f_);
        f_ = nullptr;
        return r == 0;
    }

private:
    const char* name_ = "";
    std::FILE* f_ = nullptr;
};

// ---------------------------------------------------------------------------
// Arithmetic that the model leaves undefined.

inline int divide(int a, int b) {
    if (b == 0) fail("division by zero");
    if (a == -2147483647 - 1 && b == -1) fail("the quotient of -2147483648 by -1 does not fit in an int");
    return a / b;
}

inline int remainder_of(int a, int b) {
    if (b == 0) fail("division by zero");
    if (b == -1) return 0;
    return a % b;
}

// Converts to int, truncating toward zero; values that an int cannot hold end the program.
inline int to_int(double v) {
    if (std::isnan(v) || !(v > -2147483649.0 && v < 2147483648.0)) fail("%f does not fit in an int", v);
    return static_cast<int>(v);
}

}  // namespace rt
