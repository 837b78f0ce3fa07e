// vantor-eval: the engine of the Vantor window on the command line.

#include "engine/compute.h"
#include "tools/platform.h"
#include "tools/utf8.h"
#include "vantor/version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: vantor-eval [--degrees | --radians] [--var NAME=EXPRESSION]... [--] [EXPRESSION]...\n"
    "\n"
    "Evaluates each EXPRESSION, or else each line of standard input, as the Vantor\n"
    "window's \"=\" does, and prints one line for each: the result, or Fault: MESSAGE.\n"
    "It prompts with \"> \" only when standard input and output are both terminals.\n"
    "\n"
    "  --degrees          trigonometric functions work in degrees (the default)\n"
    "  --radians          trigonometric functions work in radians\n"
    "  --var NAME=EXPR    fills the next of the five variable rows (also written\n"
    "                     --var=NAME=EXPR); the rows are computed first, in order\n"
    "  -h, --help         prints this text\n"
    "  --version          prints the version\n"
    "\n"
    "Exit status: 0 when nothing faulted (an \"Error. ...\" line is a result), 1 when\n"
    "something did, 2 for a usage error, 3 when standard input could not be read or\n"
    "the output could not be written.\n";

constexpr std::string_view kVersion = "vantor-eval " VANTOR_VERSION "\n";

enum ExitStatus { kSuccess = 0, kFaulted = 1, kUsageError = 2, kInputOutputError = 3 };

// Text editors may begin a UTF-8 file with this byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Of a line longer than this, the rest is not kept: it is far longer than
// the engine evaluates (32,766 characters, each at most 4 bytes of UTF-8),
// which the part kept is enough to tell.
constexpr std::size_t kKeptBytes = 4 * vantor::kTextLimit;

struct Options {
    vantor::EvaluationContext context;
    int rowCount = 0;
    std::vector<std::string> expressions;
    bool help = false;
    bool version = false;
};

// Fills the next variable row from NAME=EXPRESSION.
std::optional<std::string> addRow(std::string_view definition, Options& options)
{
    const std::size_t equals = definition.find('=');
    if (equals == std::string_view::npos)
        return "--var needs NAME=EXPRESSION, with an \"=\": " + std::string(definition);
    if (options.rowCount == vantor::EvaluationContext::kRows)
        return "at most five --var rows";
    vantor::VariableRow& row = options.context.rows.at(static_cast<std::size_t>(options.rowCount++));
    row.name = vantor::fromUtf8(definition.substr(0, equals));
    row.expression = vantor::fromUtf8(definition.substr(equals + 1));
    return std::nullopt;
}

// An option that takes no value.
std::optional<std::string> parseSwitch(std::string_view argument, Options& options)
{
    if (argument == "--degrees")
        options.context.degrees = true;
    else if (argument == "--radians")
        options.context.degrees = false;
    else if (argument == "-h" || argument == "--help")
        options.help = true;
    else if (argument == "--version")
        options.version = true;
    else
        return "unknown option " + std::string(argument) +
               " (an expression that begins with \"-\" goes after --)";
    return std::nullopt;
}

// Parses the arguments; an error message when they are not usable. Options
// and expressions may come in any order until "--", after which every
// argument is an expression.
std::optional<std::string> parse(const std::vector<std::string>& arguments, Options& options)
{
    constexpr std::string_view kVarIs = "--var=";
    bool optionsEnded = false;
    const std::size_t count = arguments.size();
    for (std::size_t i = 1; i < count; ++i) {
        const std::string_view argument = arguments[i];
        std::optional<std::string> error;
        if (optionsEnded || !argument.starts_with('-'))
            options.expressions.emplace_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--var")
            error = i + 1 < count ? addRow(arguments[++i], options) : "--var needs NAME=EXPRESSION";
        else if (argument.starts_with(kVarIs))
            error = addRow(argument.substr(kVarIs.size()), options);
        else
            error = parseSwitch(argument, options);
        if (error)
            return error;
    }
    return std::nullopt;
}

// The reason of the last failed call, for a message.
std::string reason()
{
    return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
}

// Whether standard output still takes what is written; says on standard
// error when it has stopped. errno is cleared before each write, so that a
// failed one leaves its own reason.
bool outputWorks()
{
    if (std::cout)
        return true;
    std::cerr << "vantor-eval: the output could not be written" << reason() << '\n';
    return false;
}

bool flushOutput()
{
    if (std::cout) {
        errno = 0;
        std::cout.flush();
    }
    return outputWorks();
}

// The line a result is written as.
std::string lineOf(const vantor::Result& result)
{
    if (result.fault)
        return "Fault: " + std::string(vantor::faultMessage(*result.fault));
    return vantor::toUtf8(result.text);
}

// Evaluates one expression as the window's "=" does and writes its line;
// faulted tells whether it faulted, the result whether the line was written.
bool evaluateLine(const std::string& line, const vantor::EvaluationContext& context, bool& faulted)
{
    const vantor::Result result = vantor::computeExpression(context, vantor::fromUtf8(line));
    faulted = faulted || result.fault.has_value();
    errno = 0;
    std::cout << lineOf(result) << '\n';
    return outputWorks();
}

// Computes the variable rows in order, as Enter in each row's expression box
// does; false when one of them faulted, which leaves its result empty.
bool computeRows(Options& options)
{
    bool computed = true;
    for (int i = 0; i < options.rowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const vantor::Result result = vantor::computeRow(options.context, row);
        options.context.rows.at(row).result = result.text;
        if (result.fault) {
            std::cerr << "row " << i << ": " << lineOf(result) << '\n';
            computed = false;
        }
    }
    return computed;
}

int evaluateArguments(Options& options, bool faulted)
{
    for (const std::string& expression : options.expressions) {
        if (!evaluateLine(expression, options.context, faulted))
            return kInputOutputError;
    }
    return faulted ? kFaulted : kSuccess;
}

// Reads into line the next line of standard input, without its line end.
// Blanks are left out, as the engine removes them first anyway, and of a line
// too long to evaluate only the first kKeptBytes are kept: memory stays
// bounded whatever the input. False at the end of the input or on an error.
bool readBoundedLine(std::string& line)
{
    line.clear();
    std::streambuf* input = std::cin.rdbuf();
    int last = EOF;
    try {
        for (int c = input->sbumpc(); c != '\n'; c = input->sbumpc()) {
            if (c == EOF) {
                std::cin.setstate(last == EOF ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
                return last != EOF;
            }
            if (c != vantor::kBlank && line.size() < kKeptBytes)
                line.push_back(static_cast<char>(c));
            last = c;
        }
    } catch (...) {
        std::cin.setstate(std::ios::badbit); // a read failed
        return false;
    }
    // A line end may be CR LF; a CR before a blank is no line end.
    if (last == '\r' && line.ends_with('\r'))
        line.pop_back();
    return true;
}

// Reads the next line of standard input; the byte-order mark of the very
// first line is dropped. Before a read that may have to wait, what is written
// so far goes out (flush: at once), so that a program at the other end of two
// pipes gets each result before it sends more.
bool readLine(std::string& line, bool first, bool flush)
{
    if ((flush || std::cin.rdbuf()->in_avail() <= 0) && !flushOutput())
        return false;
    errno = 0;
    if (!readBoundedLine(line))
        return false;
    if (first && line.starts_with(kByteOrderMark)) {
        line.erase(0, kByteOrderMark.size());
        if (line.empty() && std::cin.eof())
            return false; // nothing but the mark
    }
    return true;
}

// Evaluates each line of standard input. A person at a terminal is prompted
// and sees each result at once; otherwise the output is written a buffer at a
// time.
int evaluateInput(Options& options, bool faulted)
{
    const bool interactive = isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0;
    std::string line;
    for (bool first = true;; first = false) {
        if (interactive)
            std::cout << "> ";
        if (!readLine(line, first, interactive))
            break;
        if (!evaluateLine(line, options.context, faulted))
            return kInputOutputError;
    }
    if (!std::cout)
        return kInputOutputError; // outputWorks has said so
    if (std::cin.bad()) {
        std::cerr << "vantor-eval: standard input could not be read" << reason() << '\n';
        return kInputOutputError;
    }
    if (interactive)
        std::cout << '\n';
    return faulted ? kFaulted : kSuccess;
}

// Writes out what is left of the output, whose failure fails the whole.
int finish(int status)
{
    if (status == kInputOutputError && !std::cout)
        return status; // reported where the write failed
    return flushOutput() ? status : kInputOutputError;
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // Reading a line does not write out the output first: readLine does that
    // when a read may wait, and the interactive loop at each prompt.
    std::cin.tie(nullptr);
    Options options;
    if (const std::optional<std::string> error = parse(startUp(argc, argv), options)) {
        std::cerr << "vantor-eval: " << *error << '\n' << kUsage;
        return kUsageError;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? kUsage : kVersion);
        return finish(kSuccess);
    }
    const bool faulted = !computeRows(options);
    if (!options.expressions.empty())
        return finish(evaluateArguments(options, faulted));
    return finish(evaluateInput(options, faulted));
}
