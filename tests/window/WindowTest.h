#pragma once

// Driving the real window as a user does: picks from drop-down lists, typed
// text, clicks; and reading back what it shows.

#include "app/desktop/Platform.h"
#include "app/window/TVantor.h"
#include "tests/RandomShare.h"

#include <QByteArray>
#include <QComboBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <memory>

// Records what the window asks of the desktop instead of doing it.
class FakePlatform final : public Platform {
public:
    bool openUrl(const QUrl& url) override {
        opened << url;
        return true;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showAbout(const QString& caption, const QString& text) override {
        aboutCaption = caption;
        aboutText = text;
    }
    // Once the user has said no to replacing a file, the dialog that opens
    // again is cancelled.
    QString saveFileName(QWidget*, const QString&, const QString& suggested, const QString&,
                         const QString&) override {
        suggestedFiles << suggested;
        return answer || questions.isEmpty() ? chosenFile : QString();
    }
    bool ask(QWidget*, const QString&, const QString& question) override {
        questions << question;
        return answer;
    }

    QList<QUrl> opened;
    QStringList errors;
    QString aboutCaption;
    QString aboutText;
    QStringList suggestedFiles; // where each save began
    QString chosenFile;         // what the user picks in every save; empty: cancel
    QStringList questions;      // every yes-or-no question asked
    bool answer = true;         // the user's answer to each
};

struct Window {
    // The window shown and active, with everything built that it builds once
    // painted; `shown` false leaves it hidden and unpainted, until show().
    explicit Window(bool shown = true);
    void show() const;
    ~Window();

    // The window's components have names of their own, so each is looked up
    // once, and again only once it is gone: a search of the whole window at
    // every call took a fifth of a random session.
    template <typename T = QWidget> T* find(const char* name) const {
        QPointer<QObject>& known = found[QByteArray(name)];
        T* w = qobject_cast<T*>(known.data());
        if (!w) {
            w = window->findChild<T*>(QString::fromLatin1(name));
            known = w;
        }
        if (!w)
            qFatal("no component named %s", name);
        return w;
    }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }

    // A pick from the opened list, as with the mouse or the keyboard.
    void pick(const char* selector, int index) const;
    void pick(const char* selector, const QString& item) const;
    // Replaces the selector's text by typing.
    void type(const char* selector, const QString& text) const;
    // Moves the keyboard focus elsewhere, as when the user leaves a selector.
    void leave(const char* selector) const;
    void click(const char* name) const;
    void chooseVt(const QString& name) const { pick("VTSelect", name); }
    // Presses keys where the keyboard focus is, as the user does.
    void press(const QKeySequence& keys) const;

    QStringList items(const char* selector) const;

    // One line per named component with everything it shows that the loadout
    // decides: texts, items, pictures, colours, fonts, places, tips and
    // whether it is shown and usable. The user's view (the chosen view and
    // page, the title, the window's height, the report boxes) is left out.
    QStringList dump() const;

    FakePlatform* platform = nullptr;
    std::unique_ptr<TVantor> window;

private:
    mutable QHash<QByteArray, QPointer<QObject>> found;
};
