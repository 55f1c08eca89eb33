// A private config, data, runtime and temporary folder for every test, and a way to
// make writes fail even for root (a file size limit).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../FileSizeLimit.h"

namespace zarvel::test {

// Sets an environment variable for its lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class TestEnv : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid() && QDir().mkpath(configDir) && QDir().mkpath(tempDir) && QDir().mkpath(runtimeDir));
        ASSERT_TRUE(QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QString Path(const QString& name) const { return root_.filePath(name); }
    static QByteArray Contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

private:
    QTemporaryDir root_;

protected:
    // The player's own pictures are looked for under the data folder, never in a real home.
    // The session's private folder, where the carried files go.
    const QString configDir = Path("config"), tempDir = Path("tmp"), runtimeDir = Path("run");
    ScopedEnv config_{"XDG_CONFIG_HOME", configDir}, tmp_{"TMPDIR", tempDir}, data_{"XDG_DATA_HOME", Path("data")},
        runtime_{"XDG_RUNTIME_DIR", runtimeDir};
};

}  // namespace zarvel::test
