#pragma once

#include <QString>

// The program reads its pictures from an Images folder and writes its page
// into an Html folder. A folder is looked up in the working directory first,
// then beside the executable (the build's layout), then in the installed data
// folder ../share/vantor beside the executable's folder.
QString locateDataFolder(const QString& name, const QString& workingDir, const QString& programDir);

// locateDataFolder for this process.
QString dataFolder(const QString& name);

// A path below one of those folders, e.g. dataPath("Images/0.bmp").
QString dataPath(const QString& relative);

// A file below one of those folders, e.g. dataFile("Images", "0.bmp").
QString dataFile(const QString& folder, const QString& file);

// Where the HTML page is saved: the Html folder found as above when the user
// may write there; otherwise (an installed program) an Html folder in the
// user's application data, which gets a link to the installed VT pictures so
// that the page shows them.
QString pageFolder();
