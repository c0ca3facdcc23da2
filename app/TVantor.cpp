// Construction, wiring and the handler guard of the window.

#include "app/TVantor.h"
#include "app/Accessibility.h"
#include "app/Platform.h"
#include "app/Selectors.h"
#include "controls/Cgauges.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <exception>

TVantor::TVantor(QWidget* parent, std::unique_ptr<Platform> platform_)
    : QWidget(parent),
      platform(platform_ ? std::move(platform_) : std::make_unique<DesktopPlatform>()) {
    setObjectName(QStringLiteral("TVantor"));
    setWindowTitle(QStringLiteral("Vantor"));
    for (int i = 0; i < int(opImageList.size()); ++i)
        opImageList[i] = QPixmap(QStringLiteral(":/art/op%1.png").arg(i, 2, 10, QLatin1Char('0')));

    installVantorAccessibility();
    buildComponents();
    // The width is locked for good; the height follows the advanced area.
    setFixedWidth(ClientWidth);
    setWindowHeight(330);
    LoadoutButton->setFlat(true);
    WeaponInfoRichEdit->clear();
    HtmlRichEdit->clear();
    setTitle(78, makerAddressText(), CorvaneButton);
    resetReports();
    fillRangeWeaponSelect();
    fillIconKey();
    connectHandlers();
}

TVantor::~TVantor() {
    // The components outlive this part of the window's destruction; a focus
    // change while they go must not reach the handlers any more.
    for (QObject* component : findChildren<QObject*>())
        component->disconnect(this);
}

void TVantor::guarded(const std::function<void()>& handler) {
    ++handlersRunning;
    try {
        handler();
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QString());
    }
    // One action gives at most one message, however many files it missed.
    if (--handlersRunning == 0 && !pendingErrors.isEmpty()) {
        pendingErrors.removeDuplicates();
        const QString message = pendingErrors.join(QLatin1Char('\n'));
        pendingErrors.clear();
        platform->showError(this, message);
    }
}

void TVantor::showError(const QString& message) {
    if (handlersRunning > 0)
        pendingErrors << message;
    else
        platform->showError(this, message);
}

void TVantor::setWindowHeight(int wholeWindowHeight) {
    const int client = wholeWindowHeight - FrameHeight;
    setFixedHeight(client);
    // What lies below the window's edge is hidden as well, so that the
    // keyboard never moves the focus out of sight.
    MiddlePanel->setVisible(client > MiddlePanel->y() + WeaponPageButton->geometry().bottom());
    BottomPanel->setVisible(client > BottomPanel->y());
}

void TVantor::connectHandlers() {
    const auto click = [this](QPushButton* button, void (TVantor::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    // A selector's handler runs on a pick from its list and on typed text.
    const auto change = [this](QComboBox* selector, std::function<void()> handler) {
        connect(selector, &QComboBox::activated, this, [this, handler] { guarded(handler); });
        connect(selector->lineEdit(), &QLineEdit::textEdited, this, [this, selector, handler] {
            guarded([&] {
                resolveTypedText(selector);
                handler();
            });
        });
    };

    click(LoadoutButton, &TVantor::LoadoutButtonClick);
    click(StatsButton, &TVantor::StatsButtonClick);
    click(RankButton, &TVantor::RankButtonClick);
    click(GraphButton, &TVantor::GraphButtonClick);
    click(ImageButton, &TVantor::ImageButtonClick);
    click(AdvFunctionButton, &TVantor::AdvFunctionButtonClick);
    click(WeaponPageButton, &TVantor::WeaponPageButtonClick);
    click(WeaponRangeButton, &TVantor::WeaponRangeButtonClick);
    click(PartsPageButton, &TVantor::PartsPageButtonClick);
    click(ForumPageButton, &TVantor::ForumPageButtonClick);
    click(HtmlPageButton, &TVantor::HtmlPageButtonClick);
    click(MiscPageButton, &TVantor::MiscPageButtonClick);

    click(AboutButton, &TVantor::AboutButtonClick);
    click(CorvaneButton, &TVantor::CorvaneButtonClick);
    click(KerrowButton, &TVantor::KerrowButtonClick);
    click(PellumButton, &TVantor::PellumButtonClick);
    click(PellumFButton, &TVantor::PellumFButtonClick);

    change(VTSelect, [this] { VTSelectChange(); });
    change(FTSelect, [this] { FTSelectChange(); });
    change(OPSelect1, [this] { OPSelectChange(1); });
    change(OPSelect2, [this] { OPSelectChange(2); });
    change(OPLSelect1, [this] { OPLSelectChange(1); });
    change(OPLSelect2, [this] { OPLSelectChange(2); });
    for (int slot = 1; slot <= 3; ++slot) {
        change(MWSelect[slot - 1], [this, slot] { MWSelectChange(slot); });
        change(SWSelect[slot - 1], [this, slot] { SWSelectChange(slot); });
        // Typed text that names no weapon changes nothing; on leaving, the
        // selector shows the weapon its slot holds again.
        for (QComboBox* selector : {MWSelect[slot - 1], SWSelect[slot - 1]})
            connect(selector->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, selector] { guarded([&] { restoreHeldItem(selector); }); });
    }
    click(FixedMW2Button, &TVantor::FixedMW2ButtonClick);
    for (int slot = 1; slot <= 3; ++slot)
        connect(FixedSWButton[slot - 1], &QPushButton::clicked, this,
                [this, slot] { guarded([this, slot] { FixedSWButtonClick(slot); }); });
    click(F1Button, &TVantor::F1ButtonClick);

    for (int bar = 0; bar < 6; ++bar)
        connect(rangeButtons[bar], &QPushButton::clicked, this,
                [this, bar] { guarded([this, bar] { RangeButtonClick(bar); }); });
    change(RangeWeaponSelect, [this] { RangeWeaponSelectChange(); });
    click(RangeDistanceModifierButton, &TVantor::RangeDistanceModifierButtonClick);
    click(RangeAllOnButton, &TVantor::RangeAllOnButtonClick);
    click(RangeAllOffButton, &TVantor::RangeAllOffButtonClick);

    click(FactionButton, &TVantor::FactionButtonClick);

    click(HtmlGenerateButton, &TVantor::HtmlGenerateButtonClick);
    click(HtmlClearButton, &TVantor::HtmlClearButtonClick);
    click(HtmlToClipboardButton, &TVantor::HtmlToClipboardButtonClick);
    click(SpeedButton6, &TVantor::SpeedButton6Click);
    connect(vtImageChoice, &QButtonGroup::idClicked, this,
            [this] { guarded([this] { VTImageRadioGroupClick(); }); });
    click(ForumGenerateButton, &TVantor::ForumGenerateButtonClick);
    click(ForumRichEditClearButton, &TVantor::ForumRichEditClearButtonClick);
    click(ForumToClipBoardButton, &TVantor::ForumToClipBoardButtonClick);
}
