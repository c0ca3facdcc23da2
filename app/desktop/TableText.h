#pragma once

// A table as plain text for a spreadsheet or a chat, as every Copy button
// writes it.

#include <QString>

class QAbstractItemModel;

// The column captions, then the rows as the model gives them, cells split by
// tabs and every line, the last included, ending in a line feed.
QString tableText(const QAbstractItemModel& model);
