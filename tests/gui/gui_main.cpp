#include <gtest/gtest.h>

#include <QApplication>

#include "SoundPlayer.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zarvel::SoundPlayer::SetModuleDirectory(QStringLiteral(ZARVEL_SOUND_MODULE_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
