#pragma once

#include "base/clsUserInteraction.h"
#include "tables/TableVariables.h"
#include "tables/Table_IO.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class Tables;
class clsPageInputCtl;
class clsRowInputCtl;
class clsRun;
class clsTableViews;
struct TableSelection;

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
    // Values, ranges and units in the units of scenario files; otherwise in the units the run's
    // catalogues hold (a units set file loaded).
    bool fileUnits = true;
};

// Messages of the controls name the option whose value they refuse.
class OptionInteraction : public clsUserInteraction {
public:
    explicit OptionInteraction(clsUserInteraction& inner) : inner(inner) {}
    void ShowMessage(const std::string& text) override { inner.ShowMessage("orvane-batch: " + option + ": " + text); }
    bool AskYesNo(const std::string& text, const std::string& title) override { return inner.AskYesNo(text, title); }
    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override
    {
        return inner.AskText(prompt, title, answer);
    }
    std::string ChooseFile(const FileRequest& request) override { return inner.ChooseFile(request); }

    std::string option;

private:
    clsUserInteraction& inner;
};

// "MIN:MAX:STEP" into its three parts; false for anything else.
bool ParseRange(const std::string& text, std::array<std::string, 3>& range);
// "VAR=VALUE" with a variable code or id; false for anything else.
bool ParsePage(const std::string& text, const TableVariables::Variable*& page, std::string& value);
// A row control given a range as typed (with its variable, unless the control has a fixed one):
// false when the control refuses it, told as an error of --range.
bool SetRange(clsRowInputCtl& row, OptionInteraction& ui, const TableVariables::Variable& variable,
              const std::array<std::string, 3>& range, bool fileUnits);
// A page control holding a variable at a value as typed; false when the control refuses it, told
// as an error of --page. No variable leaves the control without one.
bool SetPage(clsPageInputCtl& page, OptionInteraction& ui, const TableVariables::Variable* variable,
             const std::string& value, bool fileUnits);
// Reads four records of the input, from record `first` (1 for the first), as scenarios A to D;
// a record that holds a value that is no number or fails the batch range checks is not
// validated. False after telling why the file cannot be read.
bool ReadScenarios(clsRun& run, clsUserInteraction& ui, const std::string& input, int64_t first,
                   std::array<bool, 4>& validated);

// The table of the first four scenarios with the run's fuel models and global settings, handed
// to `computed` with the selection and the controls. The exit status: 0 with the table; 2 when a
// control refuses a value; 1 when beforeReading (called once the values are accepted) says no, or
// the file cannot be read or no table computed. Every failure is told to the interaction.
int Compute(clsRun& run, clsUserInteraction& ui, const std::string& input, const Request& request,
            const std::function<void(const Tables&, const TableSelection&, clsTableViews&)>& computed,
            const std::function<bool()>& beforeReading = {});

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
