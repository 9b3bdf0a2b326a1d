#include "window/CaptureDialog.h"

#include "window/AppSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

QSpinBox* Box(QWidget* parent, int minimum, int maximum, int value, const QString& suffix)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

}  // namespace

CaptureDialog::CaptureDialog(QWidget* parent) : QDialog(parent)
{
    using ChartPicture::Size;
    setWindowTitle("Capture Chart");
    const Size size = Remembered();
    txtWidth = Box(this, Size::Smallest, Size::Largest, size.width, " px");
    txtHeight = Box(this, Size::Smallest, Size::Largest, size.height, " px");
    txtDpi = Box(this, Size::LowestDpi, Size::HighestDpi, size.dpi, " dpi");
    auto* form = new QFormLayout(this);
    form->addRow("&Width:", txtWidth);
    form->addRow("&Height:", txtHeight);
    form->addRow("&Resolution:", txtDpi);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ChartPicture::Size CaptureDialog::Remembered()
{
    const std::array<int, 3> remembered = AppSettings::CaptureSize();
    const ChartPicture::Size size{remembered[0], remembered[1], remembered[2]};
    return size.Valid() ? size : ChartPicture::Size();
}

std::optional<ChartPicture::Size> CaptureDialog::Ask(QWidget* parent)
{
    CaptureDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const ChartPicture::Size size{dialog.txtWidth->value(), dialog.txtHeight->value(), dialog.txtDpi->value()};
    AppSettings::SetCaptureSize({size.width, size.height, size.dpi});
    return size;
}
