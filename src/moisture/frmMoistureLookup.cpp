#include "moisture/frmMoistureLookup.h"

#include "moisture/frmMoistureHelp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

// A text box as a whole number, read the same in every locale (no group separators): a number is
// rounded to the nearest whole number, halves to the even neighbour. A text that is not a number,
// or a number that does not fit 16 bits, has no value: it cannot be looked up.
std::optional<int16_t> ReadWholeNumber(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))  // "inf", or a number beyond the range of a double
        return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default rounding mode: nearest, ties to even
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

int16_t Code(const QComboBox* list)
{
    return static_cast<int16_t>(list->currentData().toInt());
}

}  // namespace

frmMoistureLookup::frmMoistureLookup(const QString& helpFolder, QWidget* parent)
    : QWidget(parent), helpFolder(helpFolder)
{
    setWindowTitle("Moisture Table Lookup");

    auto* inputs = new QGridLayout;
    cboDayOrNight = AddList(inputs, "cboDayOrNight", "Day or Night?", {"Day time"});
    txtTemperature = AddTextBox(inputs, "txtTemperature", "Temperature:", "80");
    auto* lblTemperatureUnits = new QLabel("farenheit", this);
    lblTemperatureUnits->setObjectName("lblTemperatureUnits");
    inputs->addWidget(lblTemperatureUnits, inputs->rowCount() - 1, 2);
    txtHumidity = AddTextBox(inputs, "txtHumidity", "Humidity:", "50");
    cboSeason = AddList(inputs, "cboSeason", "Season:", {"Summer", "Spring/Fall", "Winter"});
    cboShading = AddList(inputs, "cboShading", "Shading:", {"Exposed", "Shaded"});
    cboTime = AddList(inputs, "cboTime", "Time of day:",
                      {"8am - 10am", "10am - 12pm", "12pm - 2pm", "2pm - 4pm", "4pm - 6pm", "6pm - 8pm"});
    cboElevation = AddList(inputs, "cboElevation", "Elevation:", {"Below", "Level", "Above"});
    cboAspect = AddList(inputs, "cboAspect", "Aspect:", {"North", "East", "South", "West"});
    cboSlope = AddList(inputs, "cboSlope", "Slope:", {"Flat/Steep", "Very Steep"});

    auto* outputs = new QGridLayout;
    txtReferenceFM = AddOutputBox(outputs, "txtReferenceFM", "Reference FM:");
    txtCorrectionFM = AddOutputBox(outputs, "txtCorrectionFM", "FM correction:");
    txtFineDeadFM = AddOutputBox(outputs, "txtFineDeadFM", "Fine Dead FM:");

    btnExit = new QPushButton("Exit", this);
    btnExit->setObjectName("btnExit");
    btnHelp = new QPushButton("Help", this);
    btnHelp->setObjectName("btnHelp");
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(btnHelp, &QPushButton::clicked, this, &frmMoistureLookup::ShowHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnExit);
    buttons->addWidget(btnHelp);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(separator);
    layout->addLayout(outputs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Connected only now, so that filling the lists and boxes computes nothing; then once.
    ConnectRecompute();
    Recompute();
}

void frmMoistureLookup::AddRow(QGridLayout* grid, const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

QComboBox* frmMoistureLookup::AddList(QGridLayout* grid, const QString& name, const QString& caption,
                                      const QStringList& items)
{
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    for (int i = 0; i < items.size(); ++i)
        list->addItem(items[i], i + 1);  // the item data is the code of the lookup
    list->setCurrentIndex(0);
    AddRow(grid, caption, list);
    return list;
}

QLineEdit* frmMoistureLookup::AddTextBox(QGridLayout* grid, const QString& name, const QString& caption,
                                         const QString& text)
{
    auto* box = new QLineEdit(text, this);
    box->setObjectName(name);
    AddRow(grid, caption, box);
    return box;
}

QLineEdit* frmMoistureLookup::AddOutputBox(QGridLayout* grid, const QString& name, const QString& caption)
{
    QLineEdit* box = AddTextBox(grid, name, caption, QString());
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void frmMoistureLookup::ConnectRecompute()
{
    for (QComboBox* list : {cboDayOrNight, cboSeason, cboShading, cboTime, cboElevation, cboAspect, cboSlope})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMoistureLookup::Recompute);
    for (QLineEdit* box : {txtTemperature, txtHumidity})
        connect(box, &QLineEdit::textChanged, this, &frmMoistureLookup::Recompute);
}

void frmMoistureLookup::Recompute()
{
    const std::optional<int16_t> temperature = ReadWholeNumber(txtTemperature->text());
    const std::optional<int16_t> humidity = ReadWholeNumber(txtHumidity->text());
    if (!temperature || !humidity) {
        ShowResult({0, 0, false});
        return;
    }
    clsMoistureLookupInputs inputs;
    inputs.DayOrNight = Code(cboDayOrNight);
    inputs.Temperature = *temperature;
    inputs.Humidity = *humidity;
    inputs.Season = Code(cboSeason);
    inputs.Shading = Code(cboShading);
    inputs.Time = Code(cboTime);
    inputs.Elevation = Code(cboElevation);
    inputs.Aspect = Code(cboAspect);
    inputs.Slope = Code(cboSlope);
    ShowResult(lookup.FindMoisture(inputs));
}

void frmMoistureLookup::ShowResult(const clsMoistureLookup::Result& result)
{
    if (!result.Success) {
        for (QLineEdit* box : {txtReferenceFM, txtCorrectionFM, txtFineDeadFM})
            box->setText("error");
        return;
    }
    txtReferenceFM->setText(QString::number(result.ReferenceFM));
    txtCorrectionFM->setText(QString::number(result.CorrectionFM));
    txtFineDeadFM->setText(QString::number(result.ReferenceFM + result.CorrectionFM));
}

void frmMoistureLookup::ShowHelp()
{
    if (!help)
        help = new frmMoistureHelp(helpFolder, this);
    help->ShowTopic(HelpTopic);
}

void frmMoistureLookup::closeEvent(QCloseEvent* event)
{
    // The help viewer goes with the window, so that closing the window ends the program.
    if (help)
        help->close();
    event->accept();
}
