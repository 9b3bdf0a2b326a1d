#pragma once

// What the benchmarks of the windows share: typing into a box and the program around them, which
// runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

// Types a value into a box and leaves it, as the keyboard does.
inline void Leave(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setModified(true);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

inline int RunQtBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
