#include "frmHelp.h"

#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "Language.h"
#include "Twips.h"
#include "frmAbout.h"

namespace zarvel {

namespace {
// How to play, with its own contents; the licence on a page of its own, so
// that it opens at its top.
const QString kHelpFile = QStringLiteral("qrc:/help/zarvel-help.html");
const QString kLicenceFile = QStringLiteral("qrc:/help/zarvel-licence.html");
}

QString frmHelp::HelpFile(const QString& language) {
    if (!language.isEmpty()) {
        // ":/help/zarvel-help_de.html"; a language without its own help reads the English one.
        const QString own = QStringLiteral(":/help/zarvel-help_%1.html").arg(language);
        if (QFile::exists(own)) return QStringLiteral("qrc") + own;
    }
    return kHelpFile;
}

QString HelpBrowser::Fill(QString html) {
    return html.replace(QLatin1String("$TITLE$"), QLatin1String(kTitle))
        .replace(QLatin1String("$PRODUCT$"), QLatin1String(kProduct))
        .replace(QLatin1String("$MAKER$"), QLatin1String(kMakerName))
        .replace(QLatin1String("$WEB$"), QLatin1String(kMakerWeb))
        .replace(QLatin1String("$MAIL$"), QLatin1String(kMakerMail));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant data = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource) return data;
    const QString html = data.userType() == QMetaType::QByteArray ? QString::fromUtf8(data.toByteArray()) : data.toString();
    return Fill(html);
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    //: The help window's caption until a page names itself; %1 is the game's name.
    setWindowTitle(tr("%1 Help").arg(QLatin1String(kProduct)));
    setWindowIcon(QIcon(QStringLiteral(":/icon/zarvel.png")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new HelpBrowser(this);
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenExternalLinks(true);
    // The caption names the page shown: the help or the licence.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        if (!title.isEmpty()) setWindowTitle(title);
    });
    layout->addWidget(browser_);
    // The text at the game's zoom; the window opens as large for it.
    SetZoomedFont(browser_, browser_->font());
    QSize size(Zoomed(620), Zoomed(600));
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(size);
}

void frmHelp::ShowTopic(int context) {
    QUrl url(context == 7 ? kLicenceFile : HelpFile(ChosenLanguage()));
    if (context == 1 || context == 7) url.setFragment(QStringLiteral("topic%1").arg(context));
    browser_->setSource(url);
    // setSource does not scroll again when only the fragment changes.
    if (url.hasFragment()) browser_->scrollToAnchor(url.fragment());
}

}  // namespace zarvel
