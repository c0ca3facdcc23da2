#pragma once

#include <QString>

// The program reads its pictures from an Images folder and writes its page
// into an Html folder. Both are looked up in the working directory first and,
// when it has none, beside the executable, so the program works wherever it
// is started from.
QString dataFolder(const QString& name);

// A path below one of those folders, e.g. dataPath("Images/0.bmp").
QString dataPath(const QString& relative);

// A file below one of those folders, e.g. dataFile("Images", "0.bmp").
QString dataFile(const QString& folder, const QString& file);
