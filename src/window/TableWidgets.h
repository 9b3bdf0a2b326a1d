#pragma once

#include <QString>

#include <functional>
#include <string>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QWidget;
class clsListState;

// What the widgets of the table controls share: they show their state objects and tell them when
// the analyst has left a box.
namespace TableWidgets {

// The list shows the state's entries (item data included) and position, without raising events.
void ShowList(QComboBox* list, const clsListState& state);
// Red (RGB FF0000) for a refused value, the system window colour otherwise.
void PaintBox(QLineEdit* box, bool red);
// Shows the text unless the box already holds it, so that the cursor stays where it is.
void ShowText(QLineEdit* box, const std::string& text);
// Calls `left` when the analyst leaves the box (focus elsewhere, Return or Enter) after editing it.
void WhenLeft(QLineEdit* box, std::function<void()> left);
// A titled frame with a form of captioned rows.
QFormLayout* Frame(QGroupBox* frame, const QString& title);

}  // namespace TableWidgets
