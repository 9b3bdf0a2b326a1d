#pragma once

#include "app/clsUserInteraction.h"

class QWidget;

// Message boxes of the Qt program, with the program's default title.
class QtUserInteraction : public clsUserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr) : parent(parent) {}
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

private:
    QWidget* parent;
};
