#pragma once

#include <QIcon>
#include <QStringList>

class QApplication;
class QStyle;

// The look the window's pixel geometry and its fixed colours were designed
// for, whatever the desktop's theme: the Fusion style with its standard light
// palette, one sans-serif font at 11 pixels with the widths of Arial, and
// compact push buttons.
void applyVantorAppearance(QApplication& app);

// The window's style: Fusion, with push buttons that leave their captions
// the room they need.
QStyle* vantorStyle();

// The family the window writes in, from the families installed: the first
// with Arial's widths (Liberation Sans, Nimbus Sans, Arimo, Arial, then the
// other Helvetica-metric ones), so that every caption fits its place; only
// where none is installed the generic "sans-serif". Names may carry a foundry
// ("Nimbus Sans [UKWN]"), and are matched regardless of case.
QString uiFontFamily(const QStringList& installedFamilies);

// The generic family uiFontFamily() falls back to.
inline constexpr char GenericSansFamily[] = "sans-serif";

// The application icon at every size it is drawn in.
QIcon vantorIcon();

// Everything the program sets on its application before it builds its
// window: names, the desktop id, the icon and the look.
void prepareVantorApplication(QApplication& app);
