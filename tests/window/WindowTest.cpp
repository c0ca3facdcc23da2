#include "WindowTest.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

Window::Window() {
    auto fake = std::make_unique<FakePlatform>();
    platform = fake.get();
    window = std::make_unique<TVantor>(nullptr, std::move(fake));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
}

Window::~Window() = default;

void Window::pick(const char* selector, int index) const {
    QComboBox* c = combo(selector);
    if (!c->isEnabled())
        qFatal("%s is disabled", selector);
    c->showPopup();
    QAbstractItemView* view = c->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

void Window::pick(const char* selector, const QString& item) const {
    const int index = combo(selector)->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        qFatal("%s has no item %s", selector, qPrintable(item));
    pick(selector, index);
}

void Window::type(const char* selector, const QString& text) const {
    QLineEdit* edit = combo(selector)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Window::leave(const char* selector) const {
    QLineEdit* edit = combo(selector)->lineEdit();
    QTest::keyClick(edit, Qt::Key_Tab);
    // Where the platform moved no focus, the edit ends as focus loss would end it.
    if (edit->hasFocus())
        emit edit->editingFinished();
}

void Window::click(const char* name) const {
    QPushButton* b = button(name);
    if (!b->isEnabled() || !b->isVisible())
        qFatal("%s cannot be clicked", name);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList Window::items(const char* selector) const {
    QStringList list;
    QComboBox* c = combo(selector);
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}
