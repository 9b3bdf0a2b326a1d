#pragma once

#include "wizard/clsWizardWindow.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A generic modal wizard window: a frame with a question or explanation, five options, a picture,
// and OK, Cancel and Back, which call back the client given to Init_Client.
class WizardForm : public QDialog, public clsWizardWindow {
    Q_OBJECT
public:
    explicit WizardForm(QWidget* parent = nullptr);

    void Init_Client(CallBack okCallBk, CallBack cancelCallBk, CallBack backCallBk) override;
    void SetCaption(const std::string& caption) override;
    void SetFrameCaption(const std::string& caption) override;
    void SetPicture(const std::string& path) override;
    void ShowPage(const Page& page) override;
    void FitPages(const std::vector<Page>& pages) override;
    int CheckedOption() const override;
    void ShowModal() override;
    void HideWindow() override;
    // Escape and the close box: the client's Cancel.
    void reject() override;

    QGroupBox* WizFrame;
    QLabel* WizText;
    // An option is a radio button with its caption in a label beside it, so that long captions wrap;
    // clicking the caption chooses the option.
    std::array<QRadioButton*, NumOptions> WizOptions{};
    std::array<QLabel*, NumOptions> WizOptionCaptions{};
    QLabel* WizImage;
    QPushButton* WizOK;
    QPushButton* WizCancel;
    QPushButton* WizBack;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearOptions();
    void TakeInLayout();
    void Call(const CallBack& callBack) const;

    QButtonGroup* options;
    CallBack okCallBk;
    CallBack cancelCallBk;
    CallBack backCallBk;
    bool initialized = false;
};
