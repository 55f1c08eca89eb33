// The help window: the program's help file, opened at a topic.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace zarvel {

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
    // 1 how to play, 7 the licence; any other number opens the first page.
    void ShowTopic(int context);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace zarvel
