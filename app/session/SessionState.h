#pragma once

// What the user has built, as one plain value: the loadout record and what
// the window shows that a pick can change. Capturing it and restoring it are
// exact inverses. The chosen view and page, the window's height and the texts
// in the two report boxes are the user's view, not the loadout, and are not
// part of it.

#include "app/areas/InfoPages.h"
#include "app/areas/RangeChartPage.h"
#include "app/areas/ReportPages.h"
#include "app/areas/ResultViews.h"
#include "app/areas/SelectionPanel.h"
#include "model/Loadout.h"

struct SessionState {
    vantor::Loadout loadout;
    SelectionPanel::State selection;
    ResultViews::State views;
    InfoPages::State info;
    RangeChartPage::State chart;
    ReportPages::State reports;
    bool advancedEnabled = false; // the button that opens the advanced area
    int pictureVt = -2;           // the VT whose picture was read last; -2 for none

    // Whether the advanced area is open is not compared: it is the user's view.
    friend bool operator==(const SessionState& a, const SessionState& b);
};
