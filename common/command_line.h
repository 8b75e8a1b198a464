#pragma once
// The command line of the suite's programs and tools: --help and --version, answered before
// anything else happens.  The eight programs take no other argument (every input is typed at the
// console); the tools read their own arguments once these two are answered.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

// The command name the suite installs name under: name itself, or a name of the suite's own
// where a command of the base system already has that name (factor: earth-factor).  The build
// keeps the one list of such names; --help says so when the two differ.
std::string installedName(std::string_view name);

// For tools whose only options are --help and --version: the first argument that looks like
// another option (a dash and a letter, or two dashes); a negative number is none.
std::optional<std::string> unknownOption(int argc, const char* const* argv);

// "name 1.0.0": the name and the suite's version.
std::string versionLine(std::string_view name);

// For the eight programs, first thing in main.  No argument: nothing, and the dialogue runs as
// always.  A lone --help or --version: the help text or the version line on out, status 0.
// Anything else: one line on err naming the argument and the usage, status 2.
std::optional<int> answerProgramArguments(int argc, const char* const* argv, std::string_view name,
                                          std::string_view help, std::ostream& out = std::cout,
                                          std::ostream& err = std::cerr);

// For the tools, first thing in main: --help or --version anywhere among the arguments is
// answered on out with status 0; otherwise nothing, and the tool goes on with its arguments.
std::optional<int> answerToolArguments(int argc, const char* const* argv, std::string_view name,
                                       std::string_view help, std::ostream& out = std::cout);
