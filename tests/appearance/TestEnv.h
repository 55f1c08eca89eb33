// A private config and temporary folder for every test, and a way to make
// writes fail even for root (a file size limit).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace zarvel::test {

class TestEnv : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        hadTmp_ = qEnvironmentVariableIsSet("TMPDIR");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        savedTmp_ = qgetenv("TMPDIR");
        configDir = root_.filePath("config");
        tempDir = root_.filePath("tmp");
        ASSERT_TRUE(QDir().mkpath(tempDir));
        qputenv("XDG_CONFIG_HOME", configDir.toUtf8());
        qputenv("TMPDIR", tempDir.toUtf8());
    }
    void TearDown() override {
        if (hadConfig_) qputenv("XDG_CONFIG_HOME", savedConfig_); else qunsetenv("XDG_CONFIG_HOME");
        if (hadTmp_) qputenv("TMPDIR", savedTmp_); else qunsetenv("TMPDIR");
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

    QString configDir;
    QString tempDir;

private:
    QTemporaryDir root_;
    QByteArray savedConfig_, savedTmp_;
    bool hadConfig_ = false, hadTmp_ = false;
};

// While alive, no file can grow beyond `bytes`: a full disk, also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace zarvel::test
