// The help window: the program's help file, opened at a topic.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace zarvel {

// Shows the help file with the program's title, version and maker put in
// where the file names them ($TITLE$, $PRODUCT$, $MAKER$, $WEB$, $MAIL$),
// so the file never goes out of date.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
    static QString Fill(QString html);
};

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
    // 1 how to play, 7 the licence; any other number opens the first page.
    void ShowTopic(int context);
    QTextBrowser* browser() const { return browser_; }
    // The help page for a language ("de"; empty for English): its own when
    // the game carries one, else the English page.
    static QString HelpFile(const QString& language);

private:
    QTextBrowser* browser_;
};

}  // namespace zarvel
