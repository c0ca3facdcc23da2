#pragma once

// The session around the loadout: every change the user makes is a step that
// can be taken back and made again; the loadout goes to and comes from the
// clipboard, and its picture to the clipboard or a file; and it can be pinned and compared with,
// and swapped for, the loadout in the window. The window tells the controller when a step happens
// and does the picks; the controller keeps the history and the pinned loadout
// and runs the commands.

#include "app/session/LoadoutCommands.h"
#include "app/session/LoadoutHistory.h"
#include "app/session/SessionState.h"
#include "core/Comparison.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class HandlerGuard;
class QWidget;

namespace vantor {
struct LoadoutPicks;
} // namespace vantor

// What the controller needs of the window.
class SessionHost {
public:
    virtual SessionState captureState() const = 0;
    // Shows exactly what the window showed when `session` was captured.
    virtual void restoreState(const SessionState& session) = 0;
    // The session as it was before the user's input reached the window: a
    // pick has already changed its selector when the handler hears of it.
    virtual SessionState stateBeforeInput() const = 0;
    virtual const vantor::Loadout& currentLoadout() const = 0;
    // The loadout with each optional part written as its selectors show it.
    virtual vantor::Loadout loadoutAsShown() const = 0;
    virtual bool vtChosen() const = 0;
    // Whether the selector shows one of its items rather than typed text.
    virtual bool holdsPick(vantor::Selector selector) const = 0;
    // The picks that rebuild exactly what the window shows.
    virtual vantor::LoadoutPicks picksAsShown() const = 0;
    // Makes the picks as a user would, running the handlers.
    virtual void applyPicks(const vantor::LoadoutPicks& picks) = 0;
    // The loadout's picture as the loadout and the VT's picture are now.
    virtual QImage loadoutPicture() = 0;
    // The file the user chooses for the picture, the dialog starting at
    // `startAt` (where empty, at a name of the VT's); empty when cancelled.
    virtual QString choosePictureFile(const QString& startAt) = 0;
    // Whether the user answers yes to `question`, about saving the picture.
    virtual bool agreesToSave(const QString& question) = 0;

protected:
    ~SessionHost() = default;
};

// The history acts on the window and on the pinned loadout, which the
// controller keeps.
class SessionController : public QObject, private HistoryHost {
    Q_OBJECT

public:
    // `tools`: the commands that open the tool windows, as the window lists them.
    SessionController(QWidget* window, SessionHost& host, HandlerGuard& guard,
                      const QList<LoadoutCommands::ToolCommand>& tools);

    // A pick, or typed text, in loadout selector `selector`: one step once
    // it is a pick. Typed text that is not yet a pick is held back.
    void selectorStep(vantor::Selector selector, const std::function<void()>& handler);
    // Any other change of the loadout by the user, as one step named `text`.
    void step(const QString& text, const std::function<void()>& change);
    // The pinned loadout compared with the current one, row by row; none
    // before a loadout is pinned.
    std::vector<vantor::ComparisonRow> comparisonRows() const;
    // The pinned loadout as the window showed it; none before one is pinned.
    const std::optional<SessionState>& pinnedState() const { return pinnedLoadout; }
    // The pinned loadout comes back into the window and the current one is
    // pinned, as one step (the comparison window's Swap).
    void swap() { run(LoadoutCommands::Swap); }
    // `state` becomes the pinned loadout, as pinning it would make it, and
    // the comparison shows; the window and its history stay as they are.
    void pinState(SessionState state);

    LoadoutCommands& commands() { return *loadoutCommands; }
    void showMenu(QPoint globalPos);

signals:
    // The user asked for tool window `tool` (its place in the window's list),
    // by its command, able to act now: the window shows it.
    void toolWindowRequested(int tool);
    // A loadout was pinned (or swapped with the pinned one): the window shows
    // the comparison.
    void pinnedLoadoutShown();

private:
    void run(int command);
    bool canAct(LoadoutCommands::Needs needs) const;
    void updateCommands();
    void clipboardChanged();
    void copyLoadout();
    void copyLoadoutCode();
    void pasteLoadout();
    void copyPicture();
    void savePicture();
    void pin();
    void swapWithPinned();

    SessionState captureState() const override { return host.captureState(); }
    void restoreState(const SessionState& session) override { host.restoreState(session); }
    const std::optional<SessionState>& pinned() const override { return pinnedLoadout; }
    void setPinned(SessionState state) override { pinnedLoadout = std::move(state); }

    QWidget* window;
    SessionHost& host;
    HandlerGuard& guard;
    LoadoutCommands* loadoutCommands = nullptr;
    std::optional<SessionState> pinnedLoadout; // the loadout compared with, once pinned
    LoadoutHistory history;
    // Read when the clipboard changes, not at every pick: on some desktops
    // asking another program for the clipboard's text takes a round trip.
    bool clipboardHoldsText = false;
};
