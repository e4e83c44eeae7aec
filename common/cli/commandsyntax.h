#pragma once
// The command line of both programs: every option, help text and exit status
// is declared as data here and parsed by QCommandLineParser, so that every
// command answers --help, a bad argument and a failure the same way.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QCommandLineParser;
class QTextStream;

namespace cli {

// Exit status of both programs and of every command.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,       // the work could not be done: a file, a display
    kExitBadArguments = 2, // the command line cannot be used
    kExitNotInstalled = 3, // the aircraft asked for is not installed
};

struct Option {
    const char* name;      // without the leading "--"
    const char* valueName; // nullptr for a switch
    const char* help;
};

// A command, or a program without commands.
struct CommandSyntax {
    const char* program;            // "configurator payload": leads every message
    const char* usage;              // the lines after "Usage: ", separated by '\n'
    const char* description;        // what it does; may be empty
    std::vector<Option> options;    // --help is always there
    const char* positional;         // how positional arguments read in the usage; nullptr: none
    const char* exitStatus;         // "0 done, 2 bad arguments"
    const char* epilogue = nullptr; // printed after the options (a list of commands)
};

class ParsedLine {
public:
    ParsedLine();
    ~ParsedLine();
    ParsedLine(ParsedLine&&) noexcept;
    ParsedLine& operator=(ParsedLine&&) noexcept;

    bool ok() const { return error_.isEmpty(); }
    // Why the line cannot be used, for the user: "unknown argument '--x'".
    const QString& error() const { return error_; }
    bool helpRequested() const;
    // False for an option the command does not declare (a shared option
    // group asks for options some commands lack).
    bool isSet(const char* name) const;
    // The last value given; empty when the option is missing or had none.
    QString value(const char* name) const;
    QStringList positional() const;

private:
    friend ParsedLine parse(const CommandSyntax& syntax, const QStringList& arguments,
                            bool stopAtFirstPositional);
    bool declares(const char* name) const;

    std::unique_ptr<QCommandLineParser> parser_;
    QStringList declared_;
    QString error_;
};

// Parses `arguments` (without the program name). An option that needs a value
// and ends the line counts as given with an empty value, so that the command
// says what the value must be. With `stopAtFirstPositional`, everything from
// the first positional argument on is positional (a command and its words).
ParsedLine parse(const CommandSyntax& syntax, const QStringList& arguments,
                 bool stopAtFirstPositional = false);

// The --help text: usage, description, options, the epilogue, exit statuses.
QString helpText(const CommandSyntax& syntax);

// Writes "<program>: <problem>", the usage and where the help is to `err`;
// returns kExitBadArguments.
int badArguments(const CommandSyntax& syntax, const QString& problem, QTextStream& err);

// What a command answers before its own work: the exit status of a line that
// cannot be used (told as badArguments does) or that asks for --help (the
// help printed to `out`); nothing when the command is to run.
std::optional<int> answerBadOrHelp(const CommandSyntax& syntax, const ParsedLine& line,
                                   QTextStream& out, QTextStream& err);

// Writes "<program>: <problem>" to `err`; returns `status`.
int failure(const CommandSyntax& syntax, const QString& problem, QTextStream& err,
            int status = kExitFailed);

} // namespace cli
