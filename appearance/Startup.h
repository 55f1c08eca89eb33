// Start-up helpers: temporary folder, the files written from resources, and
// reading every setting with its default or correction.
#pragma once

#include <QString>
#include <QStringList>

#include "Catalogue.h"
#include "GameState.h"
#include "PictureLoader.h"
#include "SettingKeys.h"
#include "SettingsFile.h"

namespace zarvel {

// The temporary folder with a trailing separator (honours TMPDIR); "" if none.
QString GetTempDir();

// The folder the carried files are written to, with a trailing separator:
// one that only this user owns and may enter ($XDG_RUNTIME_DIR/zarvel, or
// "zarvel-<uid>" in the temporary folder), made 0700 and checked to be a
// real folder of this user's before each use. Another user of the machine
// cannot put files there for the game to play or show. "" if none can be had.
QString CarriedFilesFolder();

// A stored path to a carried file where an earlier start wrote it (the
// shared temporary folder, or an earlier folder of the game's own) names
// the same file in today's folder; any other path is returned as it is.
QString CarriedFileNow(const QString& stored, const QString& folder);

// Writes the bytes of resource ":/custom/<id>" to path. 0 on success, else
// an error number (53 resource missing, 75 path/file error, 61 disk full).
int ExtractResource(int id, const QString& type, const QString& path);

// After the last separator, cut before the first "." ("/a/My.Cat.jpg" -> "My").
QString BaseName(const QString& path);
// After the last separator.
QString FileTitle(const QString& path);

// Writes all 20 carried files into tempPath; returns how many failed. A
// folder that is not a full path gets none.
int ExtractAllResources(const QString& tempPath);

// The sharper variants' pattern (":/hires/<id>@%1x.jpg") of a built-in
// background picture written into tempPath; "" for any other picture.
QString BackgroundVariants(const QString& path, const QString& tempPath);

// Reads Background, writes the first start's picture when it is empty, and
// returns the picture path to show, or "" when it names no picture that
// could be loaded within waitMs (the recovery path: no picture, labels in
// &H800000). The format is taken from the data, not the name. When picture
// is given it receives the loaded picture, so the caller need not read the
// file again.
QString StartupBackground(SettingsFile& file, const QString& tempPath, QImage* picture = nullptr,
                          int waitMs = kPictureWaitMs);

}  // namespace zarvel
