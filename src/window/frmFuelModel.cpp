#include "window/frmFuelModel.h"

#include "window/clsHelpViewer.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int pictureSize = 200;

// A list that gets the keyboard focus without a current entry keeps none: a plain list would make
// its first entry current without choosing it, so that the entry looks chosen, OK returns nothing,
// and the Down key chooses the second entry.
class ChoiceList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const bool hadCurrent = currentItem() != nullptr;
        QListWidget::focusInEvent(event);
        if (!hadCurrent && selectedItems().isEmpty())
            setCurrentRow(-1);
    }
};

}  // namespace

frmFuelModel::frmFuelModel(const clsFuelModels& models, QString programDir, clsHelpViewer* help, QWidget* parent)
    : QDialog(parent),
      listFM(new ChoiceList(this)),
      imgFM(new QLabel(this)),
      txtFMNum(new QLineEdit(this)),
      txtFMName(new QLineEdit(this)),
      txtImageFile(new QLineEdit(this)),
      btnOK(new QPushButton("OK", this)),
      btnCancel(new QPushButton("Cancel", this)),
      btnFMHelp(new QPushButton("Help", this)),
      models(models),
      programDir(std::move(programDir)),
      help(help)
{
    setWindowTitle("Fuel Model Selection");
    for (const auto& model : models) {
        auto* entry = new QListWidgetItem(QString::fromStdString(model->fuelModelCode), listFM);
        entry->setData(Qt::UserRole, model->fuelModelID);
    }
    imgFM->setFixedSize(pictureSize, pictureSize);
    imgFM->setAlignment(Qt::AlignCenter);
    imgFM->setFrameShape(QFrame::StyledPanel);
    ShowPlaceholder();
    for (QLineEdit* box : {txtFMNum, txtFMName, txtImageFile})
        box->setReadOnly(true);

    auto* codes = new QVBoxLayout;
    codes->addWidget(new QLabel("Codes", this));
    codes->addWidget(listFM);
    auto* details = new QFormLayout;
    details->addRow("Number", txtFMNum);
    details->addRow("Name", txtFMName);
    details->addRow("Image", imgFM);
    details->addRow("Image File", txtImageFile);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {btnOK, btnCancel, btnFMHelp})
        buttons->addWidget(button);
    auto* columns = new QHBoxLayout;
    columns->addLayout(codes);
    columns->addLayout(details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    btnOK->setDefault(true);

    // What the dialog shows as chosen is the selected entry, the one OK returns.
    connect(listFM, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = listFM->selectedItems();
        ShowModel(selected.isEmpty() ? nullptr : selected.first());
    });
    connect(listFM, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* entry) {
        ShowModel(entry);
        Ok();
    });
    connect(btnOK, &QPushButton::clicked, this, &frmFuelModel::Ok);
    connect(btnCancel, &QPushButton::clicked, this, &frmFuelModel::Cancel);
    connect(btnFMHelp, &QPushButton::clicked, this, [this] {
        if (this->help)
            this->help->ShowTopic(7);
    });
}

int frmFuelModel::SelectFM(int current)
{
    listFM->setCurrentRow(-1);
    listFM->clearSelection();
    if (current >= 1) {
        for (int row = 0; row < listFM->count(); ++row)
            if (listFM->item(row)->data(Qt::UserRole).toInt() == current) {
                listFM->setCurrentRow(row);
                break;
            }
    }
    cancelled = true;
    exec();
    const QList<QListWidgetItem*> selected = listFM->selectedItems();
    if (!selected.isEmpty() && !cancelled)
        return selected.first()->data(Qt::UserRole).toInt();
    return 0;
}

void frmFuelModel::ShowModel(QListWidgetItem* entry)
{
    if (!entry) {
        for (QLineEdit* box : {txtFMNum, txtFMName, txtImageFile})
            box->clear();
        ShowPlaceholder();
        return;
    }
    const QString number = entry->data(Qt::UserRole).toString();
    const clsFuelModel& model = models.Item(number.toStdString());
    txtFMNum->setText(number);
    txtFMName->setText(QString::fromStdString(model.fuelModelName));
    const QString picture = QDir::toNativeSeparators("images/" + entry->text() + ".jpg");
    txtImageFile->setText(picture);
    const QString path = QDir(programDir).filePath("images/" + entry->text() + ".jpg");
    QPixmap image;
    if (QFileInfo::exists(path) && image.load(path))
        imgFM->setPixmap(image.scaled(pictureSize, pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        ShowPlaceholder();
}

// A model without a photograph must not show the photograph of the model chosen before it.
void frmFuelModel::ShowPlaceholder()
{
    imgFM->setPixmap(QPixmap());
    imgFM->setText("No picture");
}

void frmFuelModel::Ok()
{
    cancelled = listFM->selectedItems().isEmpty();
    hide();
    done(QDialog::Accepted);
}

void frmFuelModel::Cancel()
{
    cancelled = true;
    done(QDialog::Rejected);
}

void frmFuelModel::closeEvent(QCloseEvent* event)
{
    cancelled = true;
    QDialog::closeEvent(event);
}
