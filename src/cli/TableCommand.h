#pragma once

#include "tables/TableVariables.h"
#include "tables/Table_IO.h"

#include <array>
#include <functional>
#include <string>

class clsRun;
class clsUserInteraction;

// `orvane-batch --table`: the output table of the first four scenarios of a scenario input file,
// written as the table text file, computed by the table controls and the table computation of
// the main program without the window.
namespace TableCommand {

// What a table is asked for with: the row variable, its range as typed (MIN, MAX, STEP, in the
// units of scenario files), the page variable and its value (none: nullptr) and the output.
struct Request {
    const TableVariables::Variable* row = nullptr;
    std::array<std::string, 3> range;
    const TableVariables::Variable* page = nullptr;
    std::string pageValue;
    const TableVariables::Output* output = nullptr;
};

// The table of the first four scenarios of the input file with the run's fuel models and global
// settings, as the command writes it. The exit status: 0 with the table; 2 when a control refuses
// a value; 1 when beforeReading (called once the values are accepted) says no, or the file cannot
// be read or no table computed. Every failure is told to the interaction.
int Compute(clsRun& run, clsUserInteraction& ui, const std::string& input, const Request& request, TableFile& table,
            const std::function<bool()>& beforeReading = {});

// True when the command line asks for a table.
bool Requested(int argc, char* argv[]);
// Runs the command; messages go to the interaction. The exit status: 0 when the table was
// written, 1 when it could not be computed or written, 2 for a command-line error or a value the
// controls refuse.
int Run(int argc, char* argv[], const std::string& programDir, clsUserInteraction& ui);

}  // namespace TableCommand
