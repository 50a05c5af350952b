#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program: to start, or to answer and end at once (--help, --version, or a
// mistake in the command line).
struct CommandLineOutcome
{
    bool start = true;      // open the program's windows
    int exitCode = 0;       // when not starting: the process's exit status
    QString standardOutput; // when not starting: what to print on standard output
    QString standardError;  // when not starting: what to print on standard error
};

// Reads the program's arguments (the program's own name first). The program takes no arguments of its own
// besides --help (-h) and --version (-v); Qt's standard options (-platform, -style, ...) and everything after
// --webEngineArgs are left for Qt. Any other option or argument is a usage error: exit status 2.
CommandLineOutcome readCommandLine(const QStringList &arguments);
// The same from main's arguments, read in the system's encoding.
CommandLineOutcome readCommandLine(int argc, char *argv[]);
// Prints what the outcome has to say on standard output and standard error; returns its exit status.
int finishWithoutStarting(const CommandLineOutcome &outcome);

// The usage text, Greek first, then English.
QString usageText();
