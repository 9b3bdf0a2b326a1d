#pragma once

#include <functional>
#include <string>
#include <vector>

// What a wizard asks of the window that shows it: a frame with a question or explanation, up to
// five options of which one may be chosen, a picture, and the buttons OK, Cancel and Back. The
// window calls its client back when one of the three buttons is pressed.
class clsWizardWindow {
public:
    static constexpr int NumOptions = 5;

    // One page: the text, the captions of the options it offers (the remaining options are hidden),
    // the option shown chosen (-1 for none) and whether Back is offered.
    struct Page {
        std::string text;
        std::vector<std::string> options;
        int checked = -1;
        bool backVisible = false;
    };

    using CallBack = std::function<void()>;

    virtual ~clsWizardWindow() = default;

    // Remembers the client's callbacks; until this is called the three buttons call nothing.
    virtual void Init_Client(CallBack okCallBk, CallBack cancelCallBk, CallBack backCallBk) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetFrameCaption(const std::string& caption) = 0;
    // Loads the picture from a GIF or JPEG file; a missing file leaves the picture empty.
    virtual void SetPicture(const std::string& path) = 0;
    virtual void ShowPage(const Page& page) = 0;
    // Takes one size that holds every one of the pages, so that the buttons stay in place from
    // page to page.
    virtual void FitPages(const std::vector<Page>& pages) = 0;
    // The index of the checked option, -1 when none is.
    virtual int CheckedOption() const = 0;
    // Shows the window modally and returns when it is hidden or closed; Escape and the close box
    // are Cancel.
    virtual void ShowModal() = 0;
    virtual void HideWindow() = 0;
};
