#pragma once

#include <QCommandLineParser>

#include <functional>
#include <optional>
#include <span>
#include <string>

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

// Writes "zorvantellique: <line>" on standard error, at once; the line's bytes as they are
// (a device or file name need not be UTF-8).
void ReportLine(const std::string& strLine);
// Writes "zorvantellique: <subject>: <reason>" as one line on standard error.
void ReportFailure(const QString& strSubject, const QString& strReason);

// Reads option strName's value, when it is given, with fnRead, which returns why it refuses
// the value (empty when it takes it); false with "--<name> <value>: <why>" in strError then.
bool ReadOptionValue(const QCommandLineParser& parser, const QString& strName,
                     const std::function<std::string(const std::string&)>& fnRead,
                     QString& strError);
