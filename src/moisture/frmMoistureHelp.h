#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QTextBrowser;

// The help viewer of the Moisture program: shows the numbered topic pages ("topic-N.html") of
// the help folder beside the programs; their links lead on to the other pages of the folder.
class frmMoistureHelp : public QDialog {
    Q_OBJECT
public:
    frmMoistureHelp(const QString& helpFolder, QWidget* parent = nullptr);

    // Shows the page of a topic and brings the viewer to the front.
    void ShowTopic(int topic);

    // The page the last ShowTopic asked for; empty before the first.
    QUrl Page() const { return page; }
    QTextBrowser* Browser() const { return browser; }

private:
    QString folder;
    QUrl page;
    QTextBrowser* browser;
};
