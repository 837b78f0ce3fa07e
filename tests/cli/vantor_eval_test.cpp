// vantor-eval as its users meet it: a process with arguments, standard input,
// output lines and an exit status.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

std::string slurp(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Outcome runEval(const std::vector<std::string>& arguments, const std::string& input = {})
{
    char directory[] = "/tmp/vantor-eval-test-XXXXXX";
    if (!mkdtemp(directory))
        return {};
    const std::string in = std::string(directory) + "/in";
    const std::string out = std::string(directory) + "/out";
    const std::string err = std::string(directory) + "/err";
    std::ofstream(in, std::ios::binary) << input;

    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(in.c_str(), "rb", stdin) || !freopen(out.c_str(), "wb", stdout) ||
            !freopen(err.c_str(), "wb", stderr))
            _exit(127);
        std::vector<char*> argv{const_cast<char*>(VANTOR_EVAL_PATH)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(VANTOR_EVAL_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    Outcome run{slurp(out), slurp(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    for (const std::string& path : {in, out, err})
        std::remove(path.c_str());
    rmdir(directory);
    return run;
}

TEST(VantorEval, PrintsOneLinePerExpressionArgument)
{
    const Outcome run = runEval({"2 + 3 * SIN(30)", "1/3", "(1"});
    EXPECT_EQ(run.out, "3.49999999844557\n0.333333333333333\nError. Wrong Parenthisation\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0) << "a message is a result, not a fault";
}

TEST(VantorEval, ReportsAFaultAndGoesOnWithTheNextExpression)
{
    const Outcome run = runEval({"1/0", "2+2"});
    EXPECT_EQ(run.out, "Fault: Division by zero\n4\n");
    EXPECT_EQ(run.status, 1);
}

TEST(VantorEval, ReadsStandardInputLineByLine)
{
    const Outcome run = runEval({}, "1+1\r\n2*3\n\n7%0\n5");
    EXPECT_EQ(run.out, "2\n6\nError. No Text\nFault: Division by zero\n5\n");
    EXPECT_EQ(run.status, 1);
}

TEST(VantorEval, AngleUnitFollowsTheOptionsAndDefaultsToDegrees)
{
    EXPECT_EQ(runEval({"sin(30)"}).out, "0.499999999481858\n");
    EXPECT_EQ(runEval({"--radians", "sin(30)"}).out, "-0.988031624092862\n");
    EXPECT_EQ(runEval({"--radians", "--degrees", "sin(30)"}).out, "0.499999999481858\n");
}

TEST(VantorEval, VariableRowsAreComputedFirstAndUsable)
{
    const Outcome run = runEval({"--var", "ab=10", "--var", "a=1", "--var", "=5", "ab+a", "5*q"});
    EXPECT_EQ(run.out, "11\nError. Unknown Identifier\n");
    EXPECT_EQ(run.status, 0);
}

TEST(VantorEval, RowInErrorMakesEveryUseOfAVariableFail)
{
    const Outcome run = runEval({"--var", "a=2", "--var", "=(1", "a+1", "2*3"});
    EXPECT_EQ(run.out, "Error.\n6\n");
}

TEST(VantorEval, FaultInARowIsReportedAndLeavesItsResultEmpty)
{
    const Outcome run = runEval({"--var", "x=1/0", "--var", "y=2", "y*3", "x"});
    EXPECT_EQ(run.err, "row 0: Fault: Division by zero\n");
    // The empty result is no error, so y is usable; x faults again when used.
    EXPECT_EQ(run.out, "6\nFault: Division by zero\n");
    EXPECT_EQ(run.status, 1);
}

TEST(VantorEval, UsageErrorsEvaluateNothing)
{
    const std::vector<std::vector<std::string>> misuses{
        {"--bogus", "1+1"},
        {"-5+3"},
        {"--var"},
        {"--var", "noequals", "1"},
        {"--var", "a=1", "--var", "b=2", "--var", "c=3", "--var", "d=4", "--var", "e=5", "--var", "f=6", "1"},
    };
    for (const auto& arguments : misuses) {
        const Outcome run = runEval(arguments);
        EXPECT_EQ(run.status, 2) << arguments.front();
        EXPECT_EQ(run.out, "") << arguments.front();
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << arguments.front();
    }
}

TEST(VantorEval, DoubleDashEndsTheOptions)
{
    const Outcome run = runEval({"--", "-5+3", "--radians"});
    EXPECT_EQ(run.out, "-2\nError. Wrong Arrangement of Operands\n");
}

TEST(VantorEval, HelpAndVersion)
{
    const Outcome help = runEval({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: vantor-eval", 0), 0u);
    const Outcome version = runEval({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vantor-eval ", 0), 0u);
}

TEST(VantorEval, NonAsciiTextPassesThroughAsUtf8)
{
    const Outcome run = runEval({"--var", "\xC3\xA4=4", "\xC3\x84*2", "\xE2\x82\xAC"});
    EXPECT_EQ(run.out, "8\nError. Unknown Identifier\n") << "capital letters are lowered before names are matched";
}

} // namespace
