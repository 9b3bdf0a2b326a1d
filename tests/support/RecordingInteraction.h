#pragma once

#include "base/clsUserInteraction.h"

#include <deque>
#include <string>
#include <vector>

// Records what the core shows the user; answers questions and file dialogs from queues
// (No and cancel when empty).
class RecordingInteraction : public clsUserInteraction {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& title = "") override
    {
        questions.push_back(text);
        questionTitles.push_back(title);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // From choices while it holds any (recorded as questions are), else as the Yes/No question.
    Answer AskYesNoCancel(const std::string& text, const std::string& title = "") override
    {
        if (choices.empty())
            return AskYesNo(text, title) ? Answer::Yes : Answer::No;
        questions.push_back(text);
        questionTitles.push_back(title);
        const Answer answer = choices.front();
        choices.pop_front();
        return answer;
    }

    bool AskText(const std::string& prompt, const std::string& title, std::string& answer) override
    {
        textPrompts.push_back(prompt + " | " + title + " | " + answer);
        if (texts.empty())
            return false;
        answer = texts.front();
        texts.pop_front();
        return true;
    }
    std::string ChooseFile(const FileRequest& request) override
    {
        fileRequests.push_back(request);
        if (chosenFiles.empty())
            return "";
        std::string chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }
    void SetBusy(bool busy) override { busyChanges.push_back(busy); }

    std::vector<std::string> messages;
    std::vector<std::string> questionTitles;
    std::vector<std::string> textPrompts;  // "prompt | title | default"
    std::deque<std::string> texts;         // answers to AskText; cancel when empty
    std::vector<FileRequest> fileRequests;
    std::deque<std::string> chosenFiles;  // answers to ChooseFile; cancel when empty
    std::vector<bool> busyChanges;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::deque<Answer> choices;  // answers to AskYesNoCancel before answers
};
