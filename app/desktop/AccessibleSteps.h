#pragma once

// One user action (a pick, a paste, a found loadout put into the window)
// rewrites many widgets at once: a VT change alone renames every selector and
// label, and a reader that receives hundreds of events in a second drops the
// ones it was meant to speak. While an AccessibleStep lives, what the widgets
// tell a screen reader is held back; when the outermost one ends, each object
// that changed tells it once, as it stands then, and a change undone within
// the step (a label set to "N/A" and back, a selector disabled and enabled
// again) tells nothing. Messages for the reader (announce()) are spoken last,
// the newest of each window's only.
//
// Events of a modal dialog the action opens are never held: the dialog's
// reader would wait for them.

#include <QObject>
#include <QString>

class AccessibleStep {
public:
    AccessibleStep();
    ~AccessibleStep();
    AccessibleStep(const AccessibleStep&) = delete;
    AccessibleStep& operator=(const AccessibleStep&) = delete;

    // Whether a step is open, and so what announce() sends must wait for it.
    static bool isOpen();
    // A message announce() sends once the step ends (the newest for
    // `source`'s window replaces an older one).
    static void holdAnnouncement(QObject* source, const QString& message);
};
