#include "Program.h"

#include <QCoreApplication>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QTime>
#include <QTimer>
#include <exception>
#include <new>

#include "Catalogue.h"
#include "Colors.h"
#include "GameTray.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "frmMain.h"

namespace zarvel {

std::uint64_t TimeOfDaySeed() {
    // Milliseconds keep the seconds' fraction, so two starts in the same
    // second still differ.
    return static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay());
}

namespace {

void StartupFailed(int errorNumber) {
    QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle),
                    //: %1 is an error number, %2 the maker's name.
                    QCoreApplication::translate("Program", "Error %1:  Please contact %2.")
                        .arg(errorNumber)
                        .arg(QLatin1String(kMakerName)),
                    QMessageBox::Ok);
    box.exec();
}

std::unique_ptr<frmMain> RunStartup() {
    const QString tempPath = CarriedFilesFolder();
    ExtractAllResources(tempPath);

    auto file = std::make_unique<SettingsFile>(DefaultSettingsPath());
    const QString loadError = file->loadError();
    Settings settings;
    ReadSettings(*file, settings, tempPath);

    QImage background;
    const QString picture = StartupBackground(*file, tempPath, &background, kStartupPictureWaitMs);

    auto window =
        std::make_unique<frmMain>(std::move(file), settings, std::make_unique<UniformRandom>(TimeOfDaySeed()));
    if (!picture.isEmpty()) {
        window->gameTray()->SetBackgroundPicture(background, BackgroundVariants(picture, tempPath));
        window->gameTray()->ColourLabels(ColourNumberFromText(QString::fromStdString(settings.TextColor)));
    } else {
        // No picture to show: plain labels, and the carried files written
        // once more in case the temporary folder was being cleaned.
        window->gameTray()->SetBackgroundPicture(QImage());
        window->gameTray()->ColourLabels(kHeadingColour);
        ExtractAllResources(tempPath);
    }
    window->ResetDice();
    window->show();
    window->activateWindow();
    window->setFocus();

    if (!loadError.isEmpty()) {
        QPointer<frmMain> w = window.get();
        QTimer::singleShot(0, w, [w, loadError] {
            if (!w) return;
            QMessageBox box(QMessageBox::NoIcon, w->AppTitle(), loadError, QMessageBox::Ok, w);
            box.exec();
        });
    }
    return window;
}

}  // namespace

std::unique_ptr<frmMain> Main() {
    try {
        return RunStartup();
    } catch (const std::bad_alloc&) {
        StartupFailed(7);  // out of memory
    } catch (const std::exception&) {
        StartupFailed(5);
    }
    return nullptr;
}

}  // namespace zarvel
