#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

class QWidget;

// The program's help: HTML pages in the "help" folder beside the program, shown in one help
// window. Topics are opened by their context number, the contents page by itself.
class clsHelpViewer {
public:
    explicit clsHelpViewer(QString programDir);
    ~clsHelpViewer();
    clsHelpViewer(const clsHelpViewer&) = delete;
    clsHelpViewer& operator=(const clsHelpViewer&) = delete;

    void ShowContents();
    void ShowTopic(int topic);
    void Close();

    // The page last asked for, as a path: what the help window shows.
    const QString& LastPage() const { return lastPage; }
    QTextBrowser* Window() const { return window; }

private:
    void Show(const QString& page);

    QString helpDir;
    QString lastPage;
    QPointer<QTextBrowser> window;
};
