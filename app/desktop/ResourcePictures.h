#pragma once

// Pictures built into the program's resources.

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

// A picture built into the program, read as the format its name ends in.
QImage builtInImage(const QString& resource);

// An icon whose pictures are read from the resources only when first drawn:
// `pattern` names them, with "%1" standing for the size where there are
// several (given in `sizes`, smallest first).
QIcon resourceIcon(const QString& pattern, const QList<int>& sizes);
