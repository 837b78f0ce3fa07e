// vantor-eval: the engine of the Vantor window on the command line.

#include "engine/evaluate.h"
#include "engine/fault.h"
#include "engine/variable_rows.h"

#include <cstdio>
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
    "\n"
    "  --degrees          trigonometric functions work in degrees (the default)\n"
    "  --radians          trigonometric functions work in radians\n"
    "  --var NAME=EXPR    fills the next of the five variable rows; the rows are\n"
    "                     computed first, in order\n"
    "  --help             prints this text\n"
    "  --version          prints the version\n"
    "\n"
    "Exit status: 0 when nothing faulted, 1 when something did, 2 for a usage error.\n";

constexpr std::string_view kVersion = "vantor-eval 0.1.0\n";

struct Options {
    vantor::VariableRows rows;
    int rowCount = 0;
    std::vector<std::string> expressions;
    bool help = false;
    bool version = false;
};

// Parses the arguments; an error message when they are not usable.
std::optional<std::string> parse(int argc, char** argv, Options& options)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || !argument.starts_with('-')) {
            options.expressions.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--degrees") {
            options.rows.setDegrees(true);
        } else if (argument == "--radians") {
            options.rows.setDegrees(false);
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--var") {
            if (i + 1 >= argc)
                return "--var needs NAME=EXPRESSION";
            const std::string_view definition = argv[++i];
            const std::size_t equals = definition.find('=');
            if (equals == std::string_view::npos)
                return "--var needs NAME=EXPRESSION, with an \"=\": " + std::string(definition);
            if (options.rowCount == vantor::EvaluationContext::kRows)
                return "at most five --var rows";
            vantor::VariableRows::Row& row = options.rows.row(options.rowCount++);
            row.name = vantor::fromUtf8(definition.substr(0, equals));
            row.expression = vantor::fromUtf8(definition.substr(equals + 1));
        } else {
            return "unknown option " + std::string(argument) +
                   " (an expression that begins with \"-\" goes after --)";
        }
    }
    return std::nullopt;
}

// Evaluates one expression as the window's "=" does; false when it faulted.
bool evaluateLine(const std::string& line, vantor::VariableRows& rows)
{
    try {
        const vantor::Text result = vantor::cEvaluate(rows).Evaluate(vantor::fromUtf8(line), true);
        std::cout << vantor::toUtf8(result) << '\n';
        return true;
    } catch (const vantor::Fault& fault) {
        std::cout << "Fault: " << fault.message() << '\n';
        return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    Options options;
    if (const std::optional<std::string> error = parse(argc, argv, options)) {
        std::cerr << "vantor-eval: " << *error << '\n' << kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.version) {
        std::cout << kVersion;
        return 0;
    }

    bool faulted = false;
    for (int i = 0; i < options.rowCount; ++i) {
        try {
            options.rows.computeRow(i);
        } catch (const vantor::Fault& fault) {
            options.rows.row(i).result.clear();
            std::cerr << "row " << i << ": Fault: " << fault.message() << '\n';
            faulted = true;
        }
    }

    if (!options.expressions.empty()) {
        for (const std::string& expression : options.expressions)
            faulted = !evaluateLine(expression, options.rows) || faulted;
        return faulted ? 1 : 0;
    }

    const bool interactive = isatty(STDIN_FILENO) != 0;
    std::string line;
    while (true) {
        if (interactive)
            std::cout << "> " << std::flush;
        if (!std::getline(std::cin, line))
            break;
        if (line.ends_with('\r'))
            line.pop_back();
        faulted = !evaluateLine(line, options.rows) || faulted;
        if (interactive)
            std::cout << std::flush;
    }
    if (interactive)
        std::cout << '\n';
    return faulted ? 1 : 0;
}
