#pragma once

// Makers of the window's components: each takes its name (the objectName
// tests and screen readers find it by), its place in pixels and its start
// text, so that the area classes read like the layout they build.

#include "model/Text.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class SelectorBox;
class QFont;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

using vantor::NotAvailable;

QFont boldFont(const QWidget* w, int pixelSize = 0);
void setBold(QWidget* w, bool bold);

// A panel that holds other components, named for a screen reader after what
// it holds.
QFrame* makePanel(QWidget* parent, const char* name, const char* spokenName, QRect rect);
// Groups that share one spot hide what lies beneath them.
QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title, QRect rect);
// A label sized to its text, or to `width` x `height` when a width is given.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, int width = 0,
                  int height = 14);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
// A drop-down list that also accepts typed text; it shows `text`, no item.
QComboBox* makeSelector(QWidget* parent, const char* name, QPoint at, int width,
                        const QStringList& items, const QString& text);
// The same for a loadout selector, whose list shows what each item would do.
SelectorBox* makeSelectorBox(QWidget* parent, const char* name, QPoint at, int width,
                             const QStringList& items, const QString& text);
// The name a screen reader gives a selector and the field it types into.
void nameSelector(QComboBox* selector, const QString& spokenName);
QLabel* makeImage(QWidget* parent, const char* name, QRect rect);
// The 498 x 136 text box of a page.
QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, bool readOnly);
