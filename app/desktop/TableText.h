#pragma once

// A table as plain text for a spreadsheet or a chat, as every Copy button
// writes it.

#include <QString>

class QAbstractItemModel;
class QWidget;

// The column captions, then the rows as the model gives them, cells split by
// tabs and every line, the last included, ending in a line feed.
QString tableText(const QAbstractItemModel& model);

// Puts tableText(model) on the clipboard and confirms it for a moment in
// `from`, and to a screen reader ("Table copied: 12 rows").
void copyTableText(QWidget* from, const QAbstractItemModel& model);
