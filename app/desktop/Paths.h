#pragma once

#include <QString>

// The program reads its pictures from an Images folder and writes its page
// into an Html folder. A folder is looked up in the working directory first,
// then beside the executable (the build's layout), then in the installed data
// folder ../share/vantor beside the executable's folder. An Images folder
// counts only if it holds the program's pictures: a home folder may well have
// an unrelated folder of that name.
QString locateDataFolder(const QString& name, const QString& workingDir, const QString& programDir);

// locateDataFolder for this process.
QString dataFolder(const QString& name);

// A path below one of those folders, e.g. dataPath("Images/0.bmp").
QString dataPath(const QString& relative);

// A file below one of those folders, e.g. dataFile("Images", "0.bmp").
QString dataFile(const QString& folder, const QString& file);

// The folder of the program's pictures, and the pictures in it the window
// reads by name: each VT's picture and the range chart.
inline constexpr char PicturesFolder[] = "Images";
QString vtPictureName(int vt);
inline constexpr char RangeChartName[] = "Range.bmp";
// Where they are, found as dataFile() finds a file.
QString vtPictureFile(int vt);
QString rangeChartFile();

// Where the HTML page is saved: a writable Html folder in the working
// directory, else one beside the executable; otherwise an Html folder in
// `userDataDir`, which gets a link to the pictures the page shows. An
// installed program's own share/vantor/Html is never written to, even where
// the user may write there. Should that folder be impossible to make,
// `problem` gets why, as the system tells it ("Permission denied").
QString locatePageFolder(const QString& workingDir, const QString& programDir,
                         const QString& userDataDir, QString* problem = nullptr);

// locatePageFolder for this process, with the user's application data folder.
QString pageFolder(QString* problem = nullptr);
