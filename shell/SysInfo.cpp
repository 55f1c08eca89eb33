#include "SysInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zarvel {

namespace {

#ifdef Q_OS_WIN
// Reads one registry value. A string comes back as it is; a double word as
// "&h" and the hex digits of its bytes, last byte first, each without a
// leading zero; any other type leaves keyVal alone. False, with keyVal
// empty, when the key or the value cannot be read.
bool GetKeyValue(HKEY keyRoot, const QString& keyName, const QString& subKeyRef, QString& keyVal) {
    HKEY key = nullptr;
    // Read access is all this needs, and all that a user without
    // administrator rights is given under HKEY_LOCAL_MACHINE.
    if (RegOpenKeyExW(keyRoot, reinterpret_cast<LPCWSTR>(keyName.utf16()), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    wchar_t buffer[1024];
    DWORD type = 0;
    DWORD bytes = sizeof(buffer);
    if (RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(subKeyRef.utf16()), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &bytes) != ERROR_SUCCESS) {
        keyVal.clear();
        RegCloseKey(key);
        return false;
    }
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        int n = static_cast<int>(bytes / sizeof(wchar_t));
        if (n > 0 && buffer[n - 1] == L'\0') --n;
        keyVal = QString::fromWCharArray(buffer, n);
    } else if (type == REG_DWORD) {
        const auto* b = reinterpret_cast<const unsigned char*>(buffer);
        QString digits;
        for (int i = static_cast<int>(bytes) - 1; i >= 0; --i) digits += QString::number(b[i], 16);
        keyVal = QStringLiteral("&h") + digits;
    }
    RegCloseKey(key);
    return true;
}

QString FromRegistry() {
    QString value;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), value) &&
        QFileInfo(value).isFile())
        return value;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), value)) {
        const QString path = QDir(value).filePath(QStringLiteral("MSINFO32.EXE"));
        if (QFileInfo(path).isFile()) return QDir::toNativeSeparators(path);
    }
    return {};
}
#endif

}  // namespace

#ifdef Q_OS_WIN
// Where the registry says nothing, the program still lies in the system folder.
const QStringList SysInfo::kCandidates{QStringLiteral("msinfo32")};
#else
// Hardware and system summaries of the common desktops.
const QStringList SysInfo::kCandidates{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                       QStringLiteral("kinfocenter"), QStringLiteral("cpu-x"),
                                       QStringLiteral("lshw-gtk")};
#endif

SysInfo::SysInfo()
    : findOnPath([](const QString& name) { return QStandardPaths::findExecutable(name); }),
      start([](const QString& path) { return QProcess::startDetached(path, {}); }) {}

QString SysInfo::Find() const {
#ifdef Q_OS_WIN
    const QString registered = FromRegistry();
    if (!registered.isEmpty()) return registered;
#endif
    for (const QString& name : kCandidates) {
        const QString path = findOnPath ? findOnPath(name) : QString();
        if (!path.isEmpty()) return path;
    }
    return {};
}

}  // namespace zarvel
