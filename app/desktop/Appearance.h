#pragma once

#include <QIcon>
#include <QPalette>
#include <QStringList>

class QApplication;
class QStyle;

// The look the window's pixel geometry and its fixed colours were designed
// for, whatever the desktop's theme: the Fusion style with the program's own
// light palette, one sans-serif font at 11 pixels with the widths of Arial,
// and compact push buttons. The font and palette are set again if anything
// (a platform theme, later) replaces them.
void applyVantorAppearance(QApplication& app);

// The program's light palette, from fixed colours: the one Fusion gives on a
// desktop that sets no colours, whatever the desktop sets.
QPalette vantorPalette();

// Called before the application exists: the desktop's font and colours are
// not taken over.
void prepareVantorDesktopSettings();

// The window's style: Fusion, with push buttons that leave their captions
// the room they need.
QStyle* vantorStyle();

// The family the window writes in, from the families installed: the first
// with Arial's widths (Liberation Sans, Nimbus Sans, Arimo, Arial, then the
// other Helvetica-metric ones), so that every caption fits its place; where
// none is installed a narrower family that still fits them (DejaVu Sans
// Condensed, Liberation Sans Narrow, Nimbus Sans Narrow, Arial Narrow); only
// where none of those is either, the generic "sans-serif". Names may carry a foundry
// ("Nimbus Sans [UKWN]"), and are matched regardless of case.
QString uiFontFamily(const QStringList& installedFamilies);

// The generic family uiFontFamily() falls back to.
inline constexpr char GenericSansFamily[] = "sans-serif";

// The application icon at every size it is drawn in.
QIcon vantorIcon();

// Everything the program sets on its application before it builds its
// window: names, the desktop id, the icon and the look.
void prepareVantorApplication(QApplication& app);
