#include "window/WizardForm.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int textWidth = 420;  // the wrapping width of the question and the option captions
}

WizardForm::WizardForm(QWidget* parent)
    : QDialog(parent),
      WizFrame(new QGroupBox(this)),
      WizText(new QLabel(WizFrame)),
      WizImage(new QLabel(WizFrame)),
      WizOK(new QPushButton("OK", this)),
      WizCancel(new QPushButton("Cancel", this)),
      WizBack(new QPushButton("Back", this)),
      options(new QButtonGroup(this))
{
    // Captions such as "Click <OK> to accept this value." are plain text, never markup.
    WizText->setTextFormat(Qt::PlainText);
    WizText->setWordWrap(true);
    WizText->setMinimumWidth(textWidth);

    auto* optionRows = new QGridLayout;
    optionRows->setColumnStretch(1, 1);
    for (int i = 0; i < NumOptions; ++i) {
        WizOptions[i] = new QRadioButton(WizFrame);
        WizOptionCaptions[i] = new QLabel(WizFrame);
        WizOptionCaptions[i]->setTextFormat(Qt::PlainText);
        WizOptionCaptions[i]->setWordWrap(true);
        WizOptionCaptions[i]->installEventFilter(this);
        options->addButton(WizOptions[i], i);
        optionRows->addWidget(WizOptions[i], i, 0, Qt::AlignTop);
        optionRows->addWidget(WizOptionCaptions[i], i, 1);
    }
    WizImage->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* frameLayout = new QVBoxLayout(WizFrame);
    frameLayout->addWidget(WizText);
    frameLayout->addSpacing(6);
    frameLayout->addLayout(optionRows);
    frameLayout->addSpacing(6);
    frameLayout->addWidget(WizImage);
    frameLayout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WizBack);
    buttons->addStretch();
    buttons->addWidget(WizOK);
    buttons->addWidget(WizCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WizFrame, 1);
    layout->addLayout(buttons);
    // Enter is OK on every page, wherever the focus is.
    WizOK->setDefault(true);
    WizBack->setAutoDefault(false);
    WizCancel->setAutoDefault(false);

    connect(WizOK, &QPushButton::clicked, this, [this] { Call(okCallBk); });
    connect(WizCancel, &QPushButton::clicked, this, [this] { Call(cancelCallBk); });
    connect(WizBack, &QPushButton::clicked, this, [this] { Call(backCallBk); });
    ClearOptions();
}

void WizardForm::Init_Client(CallBack okCallBk, CallBack cancelCallBk, CallBack backCallBk)
{
    this->okCallBk = std::move(okCallBk);
    this->cancelCallBk = std::move(cancelCallBk);
    this->backCallBk = std::move(backCallBk);
    initialized = true;
}

void WizardForm::Call(const CallBack& callBack) const
{
    if (initialized && callBack)
        callBack();
}

void WizardForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void WizardForm::SetFrameCaption(const std::string& caption)
{
    WizFrame->setTitle(QString::fromStdString(caption));
}

void WizardForm::SetPicture(const std::string& path)
{
    WizImage->setPixmap(QPixmap(QString::fromStdString(path)));
}

void WizardForm::ClearOptions()
{
    // An exclusive group always keeps one button checked; it lets go only while not exclusive.
    options->setExclusive(false);
    for (int i = 0; i < NumOptions; ++i) {
        WizOptions[i]->setChecked(false);
        WizOptions[i]->setAccessibleName("");
        WizOptionCaptions[i]->clear();
        WizOptions[i]->setVisible(false);
        WizOptionCaptions[i]->setVisible(false);
    }
    options->setExclusive(true);
}

void WizardForm::ShowPage(const Page& page)
{
    // The page is filled without drawing the half-filled states in between.
    setUpdatesEnabled(false);
    ClearOptions();
    // Line breaks in the texts are CR LF; the label breaks at LF alone.
    WizText->setText(QString::fromStdString(page.text).replace("\r\n", "\n"));
    const int count = std::min<int>(NumOptions, static_cast<int>(page.options.size()));
    for (int i = 0; i < count; ++i) {
        const QString caption = QString::fromStdString(page.options[i]);
        WizOptions[i]->setAccessibleName(caption);
        WizOptionCaptions[i]->setText(caption);
        WizOptions[i]->setVisible(true);
        WizOptionCaptions[i]->setVisible(true);
    }
    if (page.checked >= 0 && page.checked < count)
        WizOptions[page.checked]->setChecked(true);
    // OK and Cancel stand at the right whether Back shows or not.
    WizBack->setVisible(page.backVisible);
    setUpdatesEnabled(true);
}

// Options shown or hidden count only once the layouts have taken them in; a window not yet on
// screen does that only when asked.
void WizardForm::TakeInLayout()
{
    for (QLayout* inner : {WizFrame->layout(), layout()}) {
        inner->invalidate();
        inner->activate();
    }
}

void WizardForm::FitPages(const std::vector<Page>& pages)
{
    // Wrapped texts grow downwards as the window narrows: the width comes first, from every page,
    // then the height that each page needs at that width.
    int width = 0;
    for (const Page& page : pages) {
        ShowPage(page);
        TakeInLayout();
        width = std::max(width, sizeHint().width());
    }
    int height = 0;
    for (const Page& page : pages) {
        ShowPage(page);
        TakeInLayout();
        height = std::max(height, layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                                 : sizeHint().height());
    }
    setFixedSize(width, height);
}

int WizardForm::CheckedOption() const
{
    return options->checkedId();
}

void WizardForm::ShowModal()
{
    exec();
}

void WizardForm::HideWindow()
{
    hide();
}

void WizardForm::reject()
{
    if (initialized && cancelCallBk)
        cancelCallBk();
    QDialog::reject();
}

bool WizardForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < NumOptions; ++i)
            if (watched == WizOptionCaptions[i]) {
                WizOptions[i]->click();
                WizOptions[i]->setFocus();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}
