// Start-up helpers: temporary folder, the files written from resources, and
// reading every setting with its default or correction.
#pragma once

#include <QString>
#include <QStringList>

#include "Catalogue.h"
#include "GameState.h"
#include "SettingKeys.h"
#include "SettingsFile.h"

class QImage;

namespace zarvel {

// The temporary folder with a trailing separator (honours TMPDIR); "" if none.
QString GetTempDir();

// Writes the bytes of resource ":/custom/<id>" to path. 0 on success, else
// an error number (53 resource missing, 75 path/file error, 61 disk full).
int ExtractResource(int id, const QString& type, const QString& path);

// After the last separator, cut before the first "." ("/a/My.Cat.jpg" -> "My").
QString BaseName(const QString& path);
// After the last separator.
QString FileTitle(const QString& path);

// Writes all 20 carried files into tempPath; returns how many failed.
int ExtractAllResources(const QString& tempPath);

// A picture file read by its content, not its name (a ".jpg" may hold GIF
// data). A null image when it is missing, not a picture, or too large to
// decode safely; then *why says which, in words for the player.
QImage LoadPicture(const QString& path, QString* why = nullptr);

// The sharper variants' pattern (":/hires/<id>@%1x.jpg") of a built-in
// background picture written into tempPath; "" for any other picture.
QString BackgroundVariants(const QString& path, const QString& tempPath);

// Reads Background, writes the first start's picture when it is empty, and
// returns the picture path to show, or "" when it names no readable file
// (the recovery path: no picture, labels in &H800000). The format is taken
// from the data, not the name. When picture is given it receives the
// loaded picture, so the caller need not read the file again.
QString StartupBackground(SettingsFile& file, const QString& tempPath, QImage* picture = nullptr);

}  // namespace zarvel
