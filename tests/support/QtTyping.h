#pragma once

#include <QLineEdit>
#include <QString>
#include <QtTest>

// Types into a box as a user does: back to the window (from a dialog), click the box, replace its
// text and leave it with Tab.
inline void TypeInto(QWidget* window, QLineEdit* box, const QString& text)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}
