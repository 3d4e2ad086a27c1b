#pragma once

#include <QCommandLineParser>

#include <optional>
#include <span>

// A way of running without any window, display or serial port, chosen by its options.
struct CHeadlessMode
{
    // Adds the mode's options to the parser.
    void (*m_pfnAddOptions)(QCommandLineParser& parser);
    // True when the parsed command line asks for this mode.
    bool (*m_pfnRequested)(const QCommandLineParser& parser);
    // Runs the mode under a QGuiApplication on the offscreen platform; returns the exit
    // status, having said on standard error what failed.
    int (*m_pfnRun)(const QCommandLineParser& parser);
};

// Every headless mode, in the order they are asked; each lives in its own file and has one
// entry in this table (HeadlessModes.cpp).
std::span<const CHeadlessMode> HeadlessModes();

// "zorvantellique [options] [FILE.ZRV]".
class CCommandLine
{
public:
    CCommandLine();

    // Parses the arguments and does what needs no window: --help, --version, a usage error
    // (one line on standard error) or a headless mode. Returns the exit status; none when the
    // program goes on to start its window.
    std::optional<int> RunWithoutWindow(int& argc, char* argv[]);
    // Once the program has started: the test file named on the command line, if any, opened
    // as File Open opens it.
    void OpenTestFile() const;

private:
    QCommandLineParser m_parser;
};

// Writes "zorvantellique: <subject>: <reason>" as one line on standard error.
void ReportFailure(const QString& strSubject, const QString& strReason);
