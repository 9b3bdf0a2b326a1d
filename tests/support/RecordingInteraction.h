#pragma once

#include "app/clsUserInteraction.h"

#include <deque>
#include <string>
#include <vector>

// Records what the core shows the user; answers Yes/No questions from a queue (No when empty).
class RecordingInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};
