#include "RecordsText.h"

#include <QCoreApplication>
#include <QDir>

#include "Catalogue.h"

namespace zarvel {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Records)
};

QString Shown(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

}  // namespace

QString TroubleText(const RecordsTrouble& trouble) {
    const QString detail = QString::fromStdString(trouble.detail);
    switch (trouble.kind) {
    case RecordsTrouble::Kind::KeptAside:
        return Text::tr("The game records in %1 could not be read (%2). They were kept as %3, and new records were "
                  "started.")
            .arg(Shown(trouble.path), detail, Shown(trouble.keptAs));
    case RecordsTrouble::Kind::Newer:
        return Text::tr("The game records in %1 were written by a newer version of the game. They are left as they are, "
                  "and games are not recorded until that version is used again.")
            .arg(Shown(trouble.path));
    case RecordsTrouble::Kind::CannotWrite:
        break;
    }
    return Text::tr("The game records cannot be written to %1 (%2). The game goes on, but games are not recorded.")
        .arg(Shown(trouble.path), detail);
}

QString NameList(const std::vector<std::string>& names) {
    QString list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        if (i == 0) list = name;
        else if (i + 1 == names.size()) list = Text::tr("%1 and %2", "the last two names of a list").arg(list, name);
        else list = Text::tr("%1, %2", "names of a list").arg(list, name);
    }
    return list;
}

QString ContinueQuestion(const std::vector<std::string>& names) {
    return Text::tr("Continue the game of %1?").arg(NameList(names));
}

QString StyleName(int code) {
    if (code >= 1 && std::size_t(code) <= kStyleNames.size())
        return QCoreApplication::translate("Styles", kStyleNames[std::size_t(code - 1)]);
    return Text::tr("Style %1").arg(code);
}

}  // namespace zarvel
