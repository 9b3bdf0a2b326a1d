#pragma once

#include <string>

class clsUserInteraction;

// `orvane-batch --table`: the output table of the first four scenarios of a scenario input file,
// written as the table text file, computed by the table controls and the table computation of
// the main program without the window.
namespace TableCommand {

// True when the command line asks for a table.
bool Requested(int argc, char* argv[]);
// Runs the command; messages go to the interaction. The exit status: 0 when the table was
// written, 1 when it could not be computed or written, 2 for a command-line error or a value the
// controls refuse.
int Run(int argc, char* argv[], const std::string& programDir, clsUserInteraction& ui);

}  // namespace TableCommand
