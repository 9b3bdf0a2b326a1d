#include "window/frmGlobalSettings.h"

#include "window/ctlIn.h"
#include "runs/clsRun.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The unit list as the catalogue fills it: labels in unit order, the unit number as item data.
class ComboUnitList : public clsUnits::UnitList {
public:
    explicit ComboUnitList(QComboBox* list) : list(list) {}
    void Clear() override { list->clear(); }
    void AddItem(const std::string& label, int16_t itemData) override
    {
        list->addItem(QString::fromStdString(label), itemData);
    }

private:
    QComboBox* list;
};

}  // namespace

frmGlobalSettings::frmGlobalSettings(clsRun& run, QWidget* parent)
    : QDialog(parent),
      txtHCrown(new QLineEdit(this)),
      cmboHCrown(new QComboBox(this)),
      txtSpreadDir(new QLineEdit(this)),
      OKButton(new QPushButton("OK", this)),
      CancelButton(new QPushButton("Cancel", this)),
      settings(run)
{
    setWindowTitle("Global Settings");
    windowColour = txtHCrown->palette().color(QPalette::Active, QPalette::Base);

    ComboUnitList list(cmboHCrown);
    run.units.HCrownList(list);
    cmboHCrown->setCurrentIndex(settings.HCrownUnit() - 1);
    txtHCrown->setText(QString::fromStdString(settings.HCrownText()));
    txtSpreadDir->setText(QString::fromStdString(settings.SpreadDirText()));
    txtSpreadDir->setToolTip("[0-180]");
    txtHCrown->setToolTip(QString::fromStdString(settings.HCrownRangeText()));
    for (QLineEdit* box : {txtHCrown, txtSpreadDir})
        box->setAutoFillBackground(true);
    txtSpreadDir->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Hcrown", this), 0, 0);
    grid->addWidget(txtHCrown, 0, 1);
    grid->addWidget(cmboHCrown, 0, 2);
    grid->addWidget(new QLabel("Spread Direction", this), 1, 0);
    grid->addWidget(txtSpreadDir, 1, 1);
    grid->addWidget(new QLabel("Degrees", this), 1, 2);
    const std::pair<const char*, const char*> constants[] = {
        {"St", "0.0555 mineral fraction"}, {"Se", "0.01 effective  mineral fraction"}, {"Pp", "32 lbs/ft3"}};
    int row = 2;
    for (const auto& [symbol, value] : constants) {
        grid->addWidget(new QLabel(symbol, this), row, 0);
        grid->addWidget(new QLabel(value, this), row++, 1, 1, 2);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    OKButton->setDefault(true);
    connect(cmboHCrown, &QComboBox::activated, this, &frmGlobalSettings::UnitChosen);
    connect(OKButton, &QPushButton::clicked, this, &frmGlobalSettings::OK);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmGlobalSettings::Paint(QLineEdit* box, const QColor& colour)
{
    QPalette colours = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Base, colour);
    box->setPalette(colours);
}

void frmGlobalSettings::UnitChosen()
{
    settings.ChangeUnit(static_cast<int16_t>(cmboHCrown->currentData().toInt()),
                       txtHCrown->text().trimmed().toStdString());
    txtHCrown->setText(QString::fromStdString(settings.HCrownText()));
    txtHCrown->setToolTip(QString::fromStdString(settings.HCrownRangeText()));
}

void frmGlobalSettings::OK()
{
    const bool accepted = settings.Accept(txtHCrown->text().trimmed().toStdString(),
                                          txtSpreadDir->text().trimmed().toStdString());
    Paint(txtHCrown, settings.HCrownValid() ? windowColour : ctlIn::Red);
    if (accepted) {
        Paint(txtSpreadDir, ctlIn::Grey);
        accept();
        return;
    }
    Paint(txtSpreadDir, settings.SpreadDirValid() ? windowColour : ctlIn::Red);
    (settings.HCrownValid() ? txtSpreadDir : txtHCrown)->setFocus();
}

// Entering the spread direction box selects all of it, for typing over.
bool frmGlobalSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSpreadDir && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSpreadDir, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}
