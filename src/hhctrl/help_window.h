#pragma once

#include <QWidget>
#include <string>

class HelpBrowser;
class QToolButton;

// The help window: a top-level window of its own (no owner, so a dialog
// that blocks the program's windows does not block it) showing one topic at
// a time, with Back and Forward, titled with the topic's title.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    // Shows the topic of the help file and brings the window to the front;
    // false, with the window left as it was, when either cannot be opened.
    bool ShowTopic(const std::string& file, const std::string& topic);

private:
    void ShowTitle();

    HelpBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};
