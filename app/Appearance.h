#pragma once

class QApplication;

// The look the window's pixel geometry was designed for: one sans-serif font
// at 11 pixels (Liberation Sans where installed, metric-compatible with the
// common Windows UI fonts), and compact push buttons.
void applyVantorAppearance(QApplication& app);
