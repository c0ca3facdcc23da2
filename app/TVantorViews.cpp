// Switching the result views and the advanced pages, the About box and the
// web links.

#include "app/Platform.h"
#include "app/TVantor.h"
#include "reports/WebAddresses.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QString OpenCaption = QStringLiteral("Open Advanced Functions");
const QString CloseCaption = QStringLiteral("Close Advanced Functions");
const QString PoweredBy = QStringLiteral("Powered by");

} // namespace

void TVantor::showView(QPushButton* button, QWidget* view) {
    const std::pair<QPushButton*, QWidget*> views[] = {
        {LoadoutButton, LoadoutGroup}, {StatsButton, StatsGroup}, {RankButton, RankGroup},
        {GraphButton, GraphGroup},     {ImageButton, VTImage},
    };
    for (auto [b, v] : views) {
        if (b == button)
            continue;
        b->setFlat(false);
        v->hide();
    }
    button->setFlat(true);
    view->show();
    view->raise();
}

void TVantor::LoadoutButtonClick() {
    showView(LoadoutButton, LoadoutGroup);
}
void TVantor::StatsButtonClick() {
    showView(StatsButton, StatsGroup);
}
void TVantor::RankButtonClick() {
    showView(RankButton, RankGroup);
}
void TVantor::GraphButtonClick() {
    showView(GraphButton, GraphGroup);
}
void TVantor::ImageButtonClick() {
    showView(ImageButton, VTImage);
}

void TVantor::setTitle(int left, const QString& text, QPushButton* logo) {
    TitleLabel->move(left, TitleLabel->y());
    TitleLabel->setText(text);
    TitleLabel->adjustSize();
    for (QPushButton* b : {CorvaneButton, KerrowButton, PellumButton})
        b->setVisible(b == logo);
}

void TVantor::openAdvancedArea() {
    setWindowHeight(363);
    AdvFunctionButton->setText(CloseCaption);
    state.AdvancedOpen = true;
}

void TVantor::AdvFunctionButtonClick() {
    if (!state.AdvancedOpen) {
        // The page buttons come into sight with none chosen; the page area
        // shows again only when one of them is clicked.
        openAdvancedArea();
    } else {
        setWindowHeight(330);
        AdvFunctionButton->setText(OpenCaption);
        state.AdvancedOpen = false;
        for (QPushButton* b : pageButtons())
            b->setFlat(false);
    }
    setTitle(78, makerAddressText(), CorvaneButton);
}

std::array<QPushButton*, 6> TVantor::pageButtons() const {
    return {WeaponPageButton, WeaponRangeButton, PartsPageButton,
            ForumPageButton,  HtmlPageButton,    MiscPageButton};
}

void TVantor::showPage(QPushButton* button, QWidget* group, QWidget* panel, int height) {
    for (QPushButton* b : pageButtons())
        b->setFlat(b == button);
    setWindowHeight(height);
    QWidget* const pages[] = {WeaponInfoGroup, WeaponStatsPanel, RangeGroup,   RangePanel,
                              PartsGroup,      PartStatsPanel,   ForumGroup,   ForumPanel,
                              HtmlGroup,       HtmlPanel,        IconKeyGroup, MiscGroup,
                              FactionPanel};
    for (QWidget* w : pages)
        if (w != group && w != panel)
            w->hide();
    group->show();
    panel->show();
}

void TVantor::WeaponPageButtonClick() {
    showPage(WeaponPageButton, WeaponInfoGroup, WeaponStatsPanel, 544);
    setTitle(120, PoweredBy, KerrowButton);
}

void TVantor::WeaponRangeButtonClick() {
    showPage(WeaponRangeButton, RangeGroup, RangePanel, 544);
    setTitle(78, makerAddressText(), CorvaneButton);
}

void TVantor::PartsPageButtonClick() {
    showPage(PartsPageButton, PartsGroup, PartStatsPanel, 544);
    setTitle(120, PoweredBy, KerrowButton);
}

void TVantor::ForumPageButtonClick() {
    showPage(ForumPageButton, ForumGroup, ForumPanel, 544);
    setTitle(45, fanAddressText(), PellumButton);
}

void TVantor::HtmlPageButtonClick() {
    showPage(HtmlPageButton, HtmlGroup, HtmlPanel, 544);
    setTitle(78, makerAddressText(), CorvaneButton);
}

void TVantor::MiscPageButtonClick() {
    showPage(MiscPageButton, IconKeyGroup, FactionPanel, 544);
    // The page always opens on the icon key.
    FactionButton->setText(QStringLiteral("Show Faction Info"));
    setTitle(120, PoweredBy, KerrowButton);
}

void TVantor::ShowWeaponInfoPage() {
    if (!state.AdvancedOpen)
        openAdvancedArea();
    showPage(WeaponPageButton, WeaponInfoGroup, WeaponStatsPanel, 534);
    setTitle(120, PoweredBy, KerrowButton);
}

QString TVantor::makerAddressText() {
    return QString::fromLatin1(vantor::MakerHost);
}

QString TVantor::fanAddressText() {
    return QString::fromLatin1(vantor::FanHost);
}

void TVantor::AboutButtonClick() {
    const QString maker = makerAddressText();
    const QString fan = fanAddressText();
    const QString text =
        maker + QStringLiteral(" \n\n") + QStringLiteral(" Release V3.2 \n\n") +
        QStringLiteral("Vantor is written and maintained by the Corvane workshop.\n\n") +
        QStringLiteral("Many thanks to the author of the Kerrow research site (") +
        QString::fromLatin1(vantor::ResearchHost) +
        QStringLiteral(") and to the site itself, for providing the main research source, for "
                       "finding most of this program's faults, and for allowing the use of the "
                       "site's material.\n\n") +
        QStringLiteral("* next to a Rank denotes that this rank is shared by more than one VT.\n"
                       "~ next to a Rank denotes that this rank is altered due to loadout "
                       "characteristics.\n\n") +
        QStringLiteral("The Higher the percentage on the graphs page the better.  Turn Speed \n"
                       "and Cost variables are inverted making 100% represent the "
                       "fastest/cheapest.\n\n") +
        QStringLiteral("Red distance modifiers are VT standard. \n"
                       "Pink distance modifiers indicate that a Shield or Advanced Armour is in "
                       "use.\n\n") +
        QStringLiteral("Greetings to everyone at the Pellum community, ") + fan +
        QStringLiteral(" - see you on the battlefield!");
    platform->showAbout(QStringLiteral("About \"I like the Garpike and\" Vantor"), text);
}

void TVantor::CorvaneButtonClick() {
    platform->openUrl(QUrl(vantor::makerAddress()));
}
void TVantor::KerrowButtonClick() {
    platform->openUrl(QUrl(vantor::researchAddress()));
}
void TVantor::PellumButtonClick() {
    platform->openUrl(QUrl(vantor::fanAddress()));
}
void TVantor::PellumFButtonClick() {
    platform->openUrl(QUrl(vantor::fanForumAddress()));
}
