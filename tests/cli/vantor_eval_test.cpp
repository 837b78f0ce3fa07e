// vantor-eval as its users meet it: a process with arguments, standard input,
// output lines and an exit status.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// What a run of the program left: its standard output and error, and its status.
struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;
};

// The program under test: the vantor-eval built beside these tests, or the
// one that VANTOR_EVAL names, started by VANTOR_EVAL_EMULATOR where that is
// set (the Windows build runs these tests on its program under wine).
struct Program {
    std::string path = VANTOR_EVAL_PATH;
    std::string emulator;
};

const Program& program()
{
    static const Program tested = [] {
        Program named;
        if (const char* path = std::getenv("VANTOR_EVAL"))
            named.path = path;
        if (const char* emulator = std::getenv("VANTOR_EVAL_EMULATOR"))
            named.emulator = emulator;
        return named;
    }();
    return tested;
}

// What the program wrote, its line ends made LF: a Windows program ends its
// lines with CR LF, as it should there.
std::string lines(const std::string& text)
{
    if (program().emulator.empty())
        return text;
    std::string written;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            written += text[i];
    }
    return written;
}

std::string slurp(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return lines({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

// A directory of its own for a test's files, removed with them; the files'
// descriptors are closed with it.
class Scratch {
public:
    Scratch()
    {
        if (!mkdtemp(m_directory))
            ADD_FAILURE() << "no temporary directory";
    }
    ~Scratch()
    {
        for (const int descriptor : m_descriptors)
            close(descriptor);
        for (const std::string& path : m_files)
            std::remove(path.c_str());
        rmdir(m_directory);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const char* directory() const { return m_directory; }
    std::string path(const std::string& name) const { return std::string(m_directory) + "/" + name; }
    // A new file holding text, open for reading.
    int input(const std::string& name, const std::string& text)
    {
        m_files.push_back(path(name));
        std::ofstream(m_files.back(), std::ios::binary) << text;
        return keep(open(m_files.back().c_str(), O_RDONLY | O_CLOEXEC));
    }
    // A new empty file, open for writing.
    int output(const std::string& name)
    {
        m_files.push_back(path(name));
        return keep(open(m_files.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    }
    int keep(int descriptor)
    {
        m_descriptors.push_back(descriptor);
        return descriptor;
    }

private:
    char m_directory[29] = "/tmp/vantor-eval-test-XXXXXX";
    std::vector<std::string> m_files;
    std::vector<int> m_descriptors;
};

// What the child has as standard input, output and error (-1 leaves one
// closed), and the stack of its main thread (0 leaves it as it is).
struct Streams {
    int in = -1;
    int out = -1;
    int err = -1;
    bool ignorePipeSignal = false;
    rlim_t stackBytes = 0;
};

pid_t start(const std::vector<std::string>& arguments, const Streams& streams)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    if (streams.ignorePipeSignal)
        std::signal(SIGPIPE, SIG_IGN);
    if (streams.stackBytes != 0) {
        const rlimit stack{streams.stackBytes, streams.stackBytes};
        if (setrlimit(RLIMIT_STACK, &stack) != 0)
            _exit(127);
    }
    const int descriptors[] = {streams.in, streams.out, streams.err};
    for (int target = 0; target < 3; ++target) {
        if (descriptors[target] < 0)
            close(target);
        else if (dup2(descriptors[target], target) < 0)
            _exit(127);
    }
    std::vector<char*> argv;
    if (!program().emulator.empty())
        argv.push_back(const_cast<char*>(program().emulator.c_str()));
    argv.push_back(const_cast<char*>(program().path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv.front(), argv.data());
    _exit(127);
}

int exitStatus(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs vantor-eval with the given standard input and output; its standard
// error is read back.
ProgramRun runWith(const std::vector<std::string>& arguments, int in, int out)
{
    Scratch scratch;
    const int err = scratch.output("err");
    const int status = exitStatus(start(arguments, {in, out, err}));
    return {{}, slurp(scratch.path("err")), status};
}

ProgramRun runEval(const std::vector<std::string>& arguments, const std::string& input = {})
{
    Scratch scratch;
    const int in = scratch.input("in", input);
    const int out = scratch.output("out");
    ProgramRun run = runWith(arguments, in, out);
    run.out = slurp(scratch.path("out"));
    return run;
}

bool saysOneLine(const std::string& err, const std::string& what)
{
    return err.find(what) != std::string::npos && err.find('\n') == err.size() - 1;
}

// What arrives on a descriptor up to and including end, or, when end is
// empty or never comes, up to the end of the stream. Each wait is bounded
// only so that a program that never answers fails the test instead of
// hanging it.
std::string readUntil(int descriptor, std::string_view end)
{
    std::string text;
    pollfd ready{descriptor, POLLIN, 0};
    for (char c = 0; (end.empty() || !lines(text).ends_with(end)) && poll(&ready, 1, 10000) == 1 &&
                     read(descriptor, &c, 1) == 1;)
        text += c;
    return lines(text);
}

void send(int descriptor, std::string_view text)
{
    EXPECT_EQ(write(descriptor, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

// A pseudo-terminal that neither echoes what is typed nor changes what is
// written: what the program writes reaches the master end as written.
struct Terminal {
    static constexpr std::string_view kEndOfInput = "\x04"; // typed at the start of a line

    int master = -1;
    int slave = -1;

    Terminal()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        slave = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios settings{};
        if (slave >= 0 && tcgetattr(slave, &settings) == 0) {
            settings.c_lflag &= ~tcflag_t{ECHO};
            settings.c_oflag &= ~tcflag_t{OPOST};
            tcsetattr(slave, TCSANOW, &settings);
        }
    }
    ~Terminal()
    {
        close(master);
        close(slave);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // What the program wrote last, once no process holds the slave end any more.
    std::string rest()
    {
        close(slave);
        slave = -1;
        return readUntil(master, {});
    }
};

TEST(VantorEval, PrintsOneLinePerExpressionArgument)
{
    const ProgramRun run = runEval({"2 + 3 * SIN(30)", "1/3", "(1"});
    EXPECT_EQ(run.out, "3.49999999844557\n0.333333333333333\nError. Wrong Parenthisation\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0) << "a message is a result, not a fault";
}

TEST(VantorEval, ReportsAFaultAndGoesOnWithTheNextExpression)
{
    const ProgramRun run = runEval({"1/0", "2+2"});
    EXPECT_EQ(run.out, "Fault: Division by zero\n4\n");
    EXPECT_EQ(run.status, 1);
}

TEST(VantorEval, ReadsStandardInputLineByLine)
{
    const ProgramRun run = runEval({}, "1+1\r\n2*3\n\n7%0\n5");
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
    const ProgramRun run = runEval({"--var", "ab=10", "--var", "a=1", "--var", "=5", "ab+a", "5*q"});
    EXPECT_EQ(run.out, "11\nError. Unknown Identifier\n");
    EXPECT_EQ(run.status, 0);
}

TEST(VantorEval, RowInErrorMakesEveryUseOfAVariableFail)
{
    const ProgramRun run = runEval({"--var", "a=2", "--var", "=(1", "a+1", "2*3"});
    EXPECT_EQ(run.out, "Error.\n6\n");
}

TEST(VantorEval, FaultInARowIsReportedAndLeavesItsResultEmpty)
{
    const ProgramRun run = runEval({"--var", "x=1/0", "--var", "y=2", "y*3", "x"});
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
        {"--var=noequals", "1"},
        {"-", "1"},
        {"--var", "a=1", "--var", "b=2", "--var", "c=3", "--var", "d=4", "--var", "e=5", "--var", "f=6", "1"},
    };
    for (const auto& arguments : misuses) {
        const ProgramRun run = runEval(arguments);
        EXPECT_EQ(run.status, 2) << arguments.front();
        EXPECT_EQ(run.out, "") << arguments.front();
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << arguments.front();
    }
}

TEST(VantorEval, DoubleDashEndsTheOptions)
{
    const ProgramRun run = runEval({"--", "-5+3", "--radians"});
    EXPECT_EQ(run.out, "-2\nError. Wrong Arrangement of Operands\n");
}

TEST(VantorEval, HelpAndVersion)
{
    const ProgramRun help = runEval({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: vantor-eval", 0), 0u);
    EXPECT_EQ(runEval({"-h"}).out, help.out);
    const ProgramRun version = runEval({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vantor-eval ", 0), 0u);
}

TEST(VantorEval, NonAsciiTextPassesThroughAsUtf8)
{
    const ProgramRun run = runEval({"--var", "\xC3\xA4=4", "\xC3\x84*2", "\xE2\x82\xAC"});
    EXPECT_EQ(run.out, "8\nError. Unknown Identifier\n")
        << "capital letters are lowered before names are matched";
}

TEST(VantorEval, VarTakesItsDefinitionInEitherForm)
{
    const ProgramRun run = runEval({"--var=ab=2", "--var", "c=3", "--var==4", "ab*c"});
    EXPECT_EQ(run.out, "6\n");
    EXPECT_EQ(run.status, 0);
}

TEST(VantorEval, AByteOrderMarkIsSkippedAtTheStartOfTheInputOnly)
{
    const std::string mark = "\xEF\xBB\xBF";
    EXPECT_EQ(runEval({}, mark + "1+1\n" + mark + "2\n").out, "2\nError. Unknown Identifier\n");
    const ProgramRun alone = runEval({}, mark);
    EXPECT_EQ(alone.out, "");
    EXPECT_EQ(alone.status, 0);
    EXPECT_EQ(runEval({mark + "2"}).out, "Error. Unknown Identifier\n") << "an argument is no input";
}

TEST(VantorEval, OutputThatCannotBeWrittenIsAnInputOutputError)
{
    Scratch scratch;
    const int in = scratch.input("in", "1+1\n");
    const int full = scratch.keep(open("/dev/full", O_WRONLY | O_CLOEXEC));
    ASSERT_GE(full, 0);
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"1+1"}, {"--help"}, {}}) {
        lseek(in, 0, SEEK_SET);
        const ProgramRun run = runWith(arguments, in, full);
        EXPECT_EQ(run.status, 3) << testing::PrintToString(arguments);
        EXPECT_TRUE(saysOneLine(run.err, "could not be written")) << run.err;
    }
    lseek(in, 0, SEEK_SET);
    EXPECT_EQ(runWith({}, in, -1).status, 3) << "standard output closed";
}

TEST(VantorEval, StopsSoonAfterItsReaderHasGone)
{
    // The reader takes the first result and closes its end; with SIGPIPE
    // ignored, the next write fails. The pipe holds one page, the program
    // buffers a few kilobytes of input and of output: it cannot be far into
    // the input when a write fails.
    Scratch scratch;
    std::string lines;
    for (int i = 0; i < 100000; ++i)
        lines += "1+1\n";
    const int in = scratch.input("in", lines);
    const int err = scratch.output("err");
    int pipeEnds[2];
    ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0);
    fcntl(pipeEnds[1], F_SETPIPE_SZ, 4096);
    const pid_t child = start({}, {in, pipeEnds[1], err, true});
    close(pipeEnds[1]);
    EXPECT_EQ(readUntil(pipeEnds[0], "\n"), "2\n");
    close(pipeEnds[0]);
    EXPECT_EQ(exitStatus(child), 3);
    EXPECT_LT(lseek(in, 0, SEEK_CUR), static_cast<off_t>(lines.size() / 4)) << "it read on";
    EXPECT_TRUE(saysOneLine(slurp(scratch.path("err")), "could not be written"));
}

TEST(VantorEval, StandardInputThatCannotBeReadIsAnInputOutputError)
{
    Scratch scratch;
    const int directory = scratch.keep(open(scratch.directory(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const ProgramRun run = runWith({}, directory, scratch.output("out"));
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(saysOneLine(run.err, "standard input could not be read")) << run.err;
    EXPECT_EQ(slurp(scratch.path("out")), "");
}

TEST(VantorEval, PromptsOnlyWhenInputAndOutputAreBothTerminals)
{
    if (!program().emulator.empty())
        GTEST_SKIP() << "an emulated program sees no terminal in a pseudo-terminal";
    Terminal typedInto;
    Scratch scratch;
    const int out = scratch.output("out");
    send(typedInto.master, "1+1\n" + std::string(Terminal::kEndOfInput));
    EXPECT_EQ(exitStatus(start({}, {typedInto.slave, out, out})), 0);
    EXPECT_EQ(slurp(scratch.path("out")), "2\n");

    // Each prompt, and each result with it, is shown before the next line is typed.
    Terminal terminal;
    const pid_t child = start({}, {terminal.slave, terminal.slave, terminal.slave});
    EXPECT_EQ(readUntil(terminal.master, "> "), "> ");
    send(terminal.master, "1+1\n");
    EXPECT_EQ(readUntil(terminal.master, "> "), "2\n> ");
    send(terminal.master, "7%0\n");
    EXPECT_EQ(readUntil(terminal.master, "> "), "Fault: Division by zero\n> ");
    send(terminal.master, Terminal::kEndOfInput);
    EXPECT_EQ(terminal.rest(), "\n");
    EXPECT_EQ(exitStatus(child), 1);
}

TEST(VantorEval, AnswersEachLineBeforeItWaitsForTheNext)
{
    // A program at the other end of two pipes sends a line and waits for its result.
    int toEval[2];
    int fromEval[2];
    ASSERT_EQ(pipe2(toEval, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(fromEval, O_CLOEXEC), 0);
    Scratch scratch;
    const pid_t child = start({}, {toEval[0], fromEval[1], scratch.output("err")});
    close(toEval[0]);
    close(fromEval[1]);
    send(toEval[1], "1+1\n");
    EXPECT_EQ(readUntil(fromEval[0], "\n"), "2\n");
    send(toEval[1], "2*3\n4/2\n");
    EXPECT_EQ(readUntil(fromEval[0], "2\n"), "6\n2\n");
    close(toEval[1]);
    EXPECT_EQ(readUntil(fromEval[0], "\n"), "");
    close(fromEval[0]);
    EXPECT_EQ(exitStatus(child), 0);
}

TEST(VantorEval, DeepestNestingNeedsNoBigStackOfItsOwn)
{
    // 512 KB of main stack, as after ulimit -s 512: the engine evaluates on a
    // stack of its own, so the deepest nest evaluates and one level more
    // runs out of stack space, and nothing crashes.
    const auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "abs(";
        return text + "-1" + std::string(static_cast<std::size_t>(depth), ')');
    };
    Scratch scratch;
    const int in = scratch.input("in", nested(1000) + "\n" + nested(1001) + "\n");
    const int out = scratch.output("out");
    const int err = scratch.output("err");
    EXPECT_EQ(exitStatus(start({}, {in, out, err, false, 512 * 1024})), 1);
    EXPECT_EQ(slurp(scratch.path("out")), "1\nFault: Out of stack space\n");
}

TEST(VantorEval, LinesFarBeyondTheLimitAreAnsweredInBoundedMemory)
{
    // 100 MB lines through a pipe: one too long to evaluate, one whose text is
    // short once its blanks are gone; each is answered, and so is the next.
    constexpr std::size_t kLineBytes = 100 << 20;
    int toEval[2];
    ASSERT_EQ(pipe2(toEval, O_CLOEXEC), 0);
    Scratch scratch;
    const int out = scratch.output("out");
    const int err = scratch.output("err");
    const pid_t child = start({}, {toEval[0], out, err});
    close(toEval[0]);
    std::thread writer([fd = toEval[1]] {
        const auto send = [fd](const std::string& text) {
            for (std::size_t sent = 0; sent < text.size();) {
                const ssize_t n = write(fd, text.data() + sent, text.size() - sent);
                if (n <= 0)
                    return;
                sent += static_cast<std::size_t>(n);
            }
        };
        std::string sum;
        for (std::size_t i = 0; i < 1 << 20; ++i)
            sum += "1+";
        for (std::size_t i = 0; i < kLineBytes / sum.size(); ++i)
            send(sum);
        send("1\n");
        const std::string blanks(1 << 20, ' ');
        for (std::size_t i = 0; i < kLineBytes / blanks.size(); ++i)
            send(blanks);
        send("2 * 3\n7\n");
        close(fd);
    });
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    writer.join();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(slurp(scratch.path("out")), "Fault: Overflow\n6\n7\n");
    // What the process held at most: far below a line, whatever extra the
    // sanitizers take. Under an emulator it is the emulator's.
    if (program().emulator.empty()) {
        EXPECT_LT(usage.ru_maxrss, 64 << 10) << "KB resident at most";
    }
}

} // namespace
