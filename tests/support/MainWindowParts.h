#pragma once

#include <QAction>
#include <QList>
#include <QObject>
#include <QStackedWidget>
#include <QString>

// The controls of the main window as the window tests and benchmarks reach them: by their object
// names, as a user finds them by what they show, not through the window's members.
namespace MainWindowParts {

// A control of the main window found by its object name (a scenario's with its number:
// "inPanel1"). The program stops, naming it, when the window has none or several of that type.
template <class T>
T* Child(const QObject& form, const QString& name)
{
    const QList<T*> found = form.findChildren<T*>(name);
    if (found.size() != 1)
        qFatal("The main window has %lld controls named %s of that type, not one",
               static_cast<long long>(found.size()), qPrintable(name));
    return found.first();
}

// A scenario's control: Scenario(form, "inPanel", 2) is the input panel of scenario B.
template <class T>
T* Scenario(const QObject& form, const char* name, int scenario)
{
    return Child<T>(form, name + QString::number(scenario));
}

// A menu command of the main window.
inline QAction* Command(const QObject& form, const char* name)
{
    return Child<QAction>(form, name);
}

// The page of a tab.
inline QWidget* Page(const QObject& form, int tab)
{
    return Child<QStackedWidget>(form, "frames")->widget(tab);
}

}  // namespace MainWindowParts
