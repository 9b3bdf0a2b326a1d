#pragma once

#include "window/ChartPicture.h"

#include <QDialog>

#include <optional>

class QSpinBox;

// "Capture Chart": the width and height in pixels and the resolution of a chart's picture, as the
// last capture had them (remembered from one session to the next).
class CaptureDialog : public QDialog {
    Q_OBJECT
public:
    explicit CaptureDialog(QWidget* parent = nullptr);

    // The size chosen, remembered for the next capture; nothing when cancelled.
    static std::optional<ChartPicture::Size> Ask(QWidget* parent);
    // The size of the last capture.
    static ChartPicture::Size Remembered();

    QSpinBox* txtWidth;
    QSpinBox* txtHeight;
    QSpinBox* txtDpi;
};
