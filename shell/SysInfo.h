// The platform's system-information program: where it is and how to start
// it. On Windows its place is in the registry; elsewhere it is the first of
// the usual system-information programs found on PATH.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace zarvel {

struct SysInfo {
    // The programs looked for on PATH, best first.
    static const QStringList kCandidates;

    // Both replaceable, so that a test can decide what is found and see
    // what would have been started without starting anything.
    std::function<QString(const QString& name)> findOnPath;  // full path, or empty
    std::function<bool(const QString& path)> start;         // false when it did not start

    SysInfo();

    // The program's full path, or empty when there is none.
    QString Find() const;
};

}  // namespace zarvel
