#pragma once

#include <QLabel>

#include <string>

// One line above a table or chart saying which scenario and row could not be calculated and why;
// hidden while there is nothing to say. It replaces a message box that would come back at every
// edit of a control.
class FailureNote : public QLabel {
    Q_OBJECT
public:
    explicit FailureNote(QWidget* parent = nullptr);
    void Say(const std::string& text);
    // A widget holding the note above the view, for a layout that places one view.
    static QWidget* Above(FailureNote* note, QWidget* view);
};
