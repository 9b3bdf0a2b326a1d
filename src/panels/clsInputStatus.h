#pragma once

#include <string>

// What keeps a scenario's input from being used, said in the words of the panel's captions:
// "Scenario B: ACFL (Available canopy fuel load) is empty".
class clsInputStatus {
public:
    enum class Problem { None, NotChosen, Empty, NotANumber, OutOfRange };

    struct Caption {
        const char* code;
        const char* description;
    };

    // The caption of input field 0..23 (the simulation type, the two fuel models and the numeric
    // inputs, in the order of the panel); another id throws std::out_of_range.
    static const Caption& InputCaption(int field);
    // The sentence for the first problem of a scenario (1..4); "" for Problem::None.
    static std::string Message(int scenario, int field, Problem problem);
    // The sentence for a scenario whose calculation failed: "Scenario B: " + the failure.
    static std::string FailureMessage(int scenario, const std::string& failure);
};
