#pragma once

#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"

#include <cstdint>
#include <functional>
#include <string>

class ScenarioInput_IO;
class clsUserInteraction;

// One scenario: its engine input record, its last result, its name and files. It moves the
// scenario between the scenario input file and the engine, and passes its input panel's events on
// to whoever calculates it.
class clsIO {
public:
    // The holder reads and writes through the run's shared scenario file object and tells the user
    // about a file it cannot load.
    clsIO(ScenarioInput_IO& scenIn_IO, clsUserInteraction& ui);

    void InitIO();
    // Writes the scenario to fileName; false with the reason in the file object's errStr.
    bool SaveInput();
    // Reads the first record of fileName. With closeAfter the file is closed again and a failure is
    // shown to the user; a file without any data line is such a failure. Without it (the batch
    // tools) nothing is shown: the caller reports a failure from the file object's errStr, naming
    // the file. The file stays open for LoadNextInput after a record was read, and also after a
    // record whose values are not all numbers (false: the caller reads the file object's
    // invalidKey and errStr and may go on reading).
    bool LoadInput(bool closeAfter);
    // The next record of the file LoadInput left open; the file is closed when nothing more can be
    // read from it.
    bool LoadNextInput();

    // The input panel calls these (with the box it left); the main window binds the callbacks to
    // its calculation.
    void InputFieldChanged(int box);
    void SimulationTypeClicked();
    std::function<void(int box)> OnInputFieldChanged;
    std::function<void()> OnSimulationTypeClicked;

    clsTorviInputs IData;
    clsTorviOutputs OData;
    int32_t InputId = -1;
    std::string Name;
    std::string fileName;
    std::string ofileName;
    bool IsDirty = false;
    bool IsValid = false;
    bool IsEmpty = true;

private:
    ScenarioInput_IO& scenIn_IO;
    clsUserInteraction& ui;
};
