#pragma once

#include "window/CaptureDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

// When the capture dialog next opens: types the width, height and resolution into its boxes and
// presses OK (Cancel when cancel is true). The boxes it showed are kept in `shown`.
struct CaptureDialogAnswer {
    int width = 800;
    int height = 500;
    int dpi = 100;
    bool cancel = false;
    std::array<int, 3> shown{};

    void Arm()
    {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<CaptureDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Capture Chart"));
            shown = {dialog->txtWidth->value(), dialog->txtHeight->value(), dialog->txtDpi->value()};
            const std::pair<QSpinBox*, int> boxes[] = {
                {dialog->txtWidth, width}, {dialog->txtHeight, height}, {dialog->txtDpi, dpi}};
            for (const auto& [box, value] : boxes) {
                box->setFocus();
                box->selectAll();
                QTest::keyClicks(box, QString::number(value));
            }
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QTest::mouseClick(buttons->button(cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok), Qt::LeftButton);
        });
    }
};
