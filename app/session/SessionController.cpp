#include "app/session/SessionController.h"

#include "app/desktop/Accessibility.h"

#include "app/desktop/HandlerGuard.h"
#include "core/Comparison.h"
#include "reports/LoadoutCode.h"
#include "reports/LoadoutPicture.h"
#include "reports/LoadoutText.h"
#include "reports/PageFile.h"
#include "reports/Reports.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

SessionController::SessionController(QWidget* window_, SessionHost& host_, HandlerGuard& guard_,
                                     const QList<LoadoutCommands::ToolCommand>& tools)
    : QObject(window_), window(window_), host(host_), guard(guard_), history(*this) {
    loadoutCommands = new LoadoutCommands(window, guard, history.stack(), tools);
    connect(loadoutCommands, &LoadoutCommands::triggered, this, &SessionController::run);
    connect(loadoutCommands, &LoadoutCommands::aboutToShowMenu, this,
            &SessionController::updateCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &SessionController::clipboardChanged);
    clipboardChanged();
}

void SessionController::selectorStep(vantor::Selector selector,
                                     const std::function<void()>& handler) {
    // Typing in the selector that is under way keeps the state before it.
    std::optional<SessionState> before = history.typingBefore(selector);
    if (!before) {
        history.settleTyping();
        before = host.stateBeforeInput();
    }
    handler();
    history.recordInput(selector, std::move(*before), host.captureState(),
                        host.holdsPick(selector));
    updateCommands();
}

void SessionController::step(const QString& text, const std::function<void()>& change) {
    history.settleTyping();
    SessionState before = host.stateBeforeInput();
    change();
    history.record(std::move(before), host.captureState(), text);
    updateCommands();
}

std::vector<vantor::ComparisonRow> SessionController::comparisonRows() const {
    if (!pinnedLoadout)
        return {};
    return vantor::compareLoadouts(pinnedLoadout->loadout, host.currentLoadout());
}

void SessionController::showMenu(QPoint globalPos) {
    loadoutCommands->showMenu(globalPos);
}

void SessionController::run(int command) {
    switch (command) {
    case LoadoutCommands::Undo:
        history.undo();
        break;
    case LoadoutCommands::Redo:
        history.redo();
        break;
    case LoadoutCommands::CopyLoadout:
        copyLoadout();
        break;
    case LoadoutCommands::CopyLoadoutCode:
        copyLoadoutCode();
        break;
    case LoadoutCommands::PasteLoadout:
        pasteLoadout();
        break;
    case LoadoutCommands::CopyPicture:
        copyPicture();
        break;
    case LoadoutCommands::SavePicture:
        savePicture();
        break;
    case LoadoutCommands::Pin:
        pin();
        break;
    case LoadoutCommands::Swap:
        swapWithPinned();
        break;
    default:
        // A tool window's command, which its disabled action may still be
        // asked for by its key in another window.
        if (canAct(loadoutCommands->needs(command)))
            emit toolWindowRequested(command - LoadoutCommands::FirstToolCommand);
        break;
    }
    updateCommands();
}

void SessionController::updateCommands() {
    for (int command = LoadoutCommands::CopyLoadout; command < loadoutCommands->count(); ++command)
        loadoutCommands->setEnabled(command, canAct(loadoutCommands->needs(command)));
}

bool SessionController::canAct(LoadoutCommands::Needs needs) const {
    switch (needs) {
    case LoadoutCommands::Needs::Nothing:
        return true;
    case LoadoutCommands::Needs::Vt:
        return host.vtChosen();
    case LoadoutCommands::Needs::ClipboardText:
        return clipboardHoldsText;
    case LoadoutCommands::Needs::PinnedLoadout:
        return pinnedLoadout.has_value();
    }
    return false;
}

void SessionController::clipboardChanged() {
    clipboardHoldsText = !QGuiApplication::clipboard()->text().isEmpty();
    updateCommands();
}

// The forum code as "Generate Forum Code" and its copy button give it,
// without touching the forum code page; but each optional part is written as
// its selectors show it, so that a paste gives the same selectors and figures.
void SessionController::copyLoadout() {
    if (!host.vtChosen())
        return;
    vantor::Loadout copy = host.loadoutAsShown();
    vantor::BuildForumLines(copy);
    QGuiApplication::clipboard()->setText(vantor::joinCrLf(vantor::forumLines(copy)));
    confirmBriefly(window, QStringLiteral("Loadout copied as forum code"));
}

// The short code that carries everything the selectors show.
void SessionController::copyLoadoutCode() {
    if (!host.vtChosen())
        return;
    const QString code = vantor::loadoutCode(host.picksAsShown());
    QGuiApplication::clipboard()->setText(code);
    confirmBriefly(window, QStringLiteral("Loadout code copied: ") + code);
}

void SessionController::pasteLoadout() {
    const auto read = vantor::readPastedLoadout(QGuiApplication::clipboard()->text());
    if (const auto* error = std::get_if<vantor::LoadoutTextError>(&read)) {
        guard.report(error->message);
        return;
    }
    const auto& picks = std::get<vantor::LoadoutPicks>(read);
    step(QStringLiteral("Paste Loadout"), [this, &picks] { host.applyPicks(picks); });
}

// The clipboard offers the picture to other programs as PNG among others.
void SessionController::copyPicture() {
    if (!host.vtChosen())
        return;
    QGuiApplication::clipboard()->setImage(host.loadoutPicture());
    confirmBriefly(window, QStringLiteral("Picture of the loadout copied"));
}

// The same picture as a PNG file, written whole or not at all; nothing of it
// is kept once written.
void SessionController::savePicture() {
    if (!host.vtChosen())
        return;
    // The dialog asks about no existing file: the name written, ".png" added
    // where the chosen one does not end so, is asked about here. A "no" opens
    // the dialog again at that name.
    QString file;
    for (QString startAt;; startAt = file) {
        const QString chosen = host.choosePictureFile(startAt);
        if (chosen.isEmpty())
            return;
        file = vantor::pictureFileName(chosen);
        const QFileInfo existing(file);
        if ((!existing.exists() && !existing.isSymLink()) ||
            host.agreesToSave(QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
                                  .arg(QDir::toNativeSeparators(file))))
            break;
    }
    const QString what = QStringLiteral("picture");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !host.loadoutPicture().save(&buffer, "PNG")) {
        guard.report(vantor::saveFailure(what, file, QStringLiteral("it could not be made a PNG")));
        return;
    }
    if (const auto error = vantor::writeWholeFile(file, bytes, what))
        guard.report(*error);
}

// The current loadout becomes the pinned one, and the comparison shows.
void SessionController::pin() {
    if (!host.vtChosen())
        return;
    setPinned(host.captureState());
    emit pinnedLoadoutShown();
}

void SessionController::pinState(SessionState state) {
    setPinned(std::move(state));
    emit pinnedLoadoutShown();
    updateCommands();
}

// The pinned loadout becomes the current one and the current one pinned, as
// one step.
void SessionController::swapWithPinned() {
    history.swapWithPinned();
}
