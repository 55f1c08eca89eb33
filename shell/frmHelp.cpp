#include "frmHelp.h"

#include <QIcon>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zarvel {

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Quarnaby Zarvel Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/zarvel.png")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    resize(560, 520);
}

void frmHelp::ShowTopic(int context) {
    QUrl url(QStringLiteral("qrc:/help/zarvel-help.html"));
    if (context == 1 || context == 7) url.setFragment(QStringLiteral("topic%1").arg(context));
    browser_->setSource(url);
    // setSource does not scroll again when only the fragment changes.
    if (url.hasFragment()) browser_->scrollToAnchor(url.fragment());
}

}  // namespace zarvel
