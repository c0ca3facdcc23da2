#include "app/areas/Navigation.h"

#include "app/Version.h"
#include "app/areas/ToggleButton.h"
#include "app/areas/Widgets.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/ResourcePictures.h"
#include "reports/WebAddresses.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString OpenCaption = QStringLiteral("Open Advanced Functions");
const QString CloseCaption = QStringLiteral("Close Advanced Functions");

struct PageButton {
    const char* name;
    const char* caption;
    int left;
    int width;
};

constexpr PageButton PageButtons[PageCount] = {
    {"WeaponPageButton", "Weapon Info", 16, 118},
    {"WeaponRangeButton", "Weapon Range Info", 133, 118},
    {"PartsPageButton", "Optional Parts Info", 250, 118},
    {"ForumPageButton", "Forum Code Generator", 367, 118},
    {"HtmlPageButton", "Html Generator", 484, 118},
    {"MiscPageButton", "Miscellaneous", 601, 86},
};

} // namespace

Navigation::Navigation(QWidget* titleRow, QWidget* pageRow, HandlerGuard& guard, QObject* parent)
    : QObject(parent) {
    aboutButton = makeButton(titleRow, "AboutButton", QStringLiteral("?"), QRect(16, 16, 22, 17));
    aboutButton->setFont(boldFont(aboutButton));
    aboutButton->setAccessibleName(QStringLiteral("About Vantor"));
    aboutButton->setToolTip(QStringLiteral("Shows the About box: the release, the thanks, and what "
                                           "* and ~ next to a rank mean."));

    titleLabel = makeLabel(titleRow, "TitleLabel", QString(), QPoint(78, 16));
    QFont title = boldFont(titleLabel, 13);
    title.setUnderline(true);
    titleLabel->setFont(title);

    makerLogo = makeButton(titleRow, "CorvaneButton", QString(), QRect(212, 10, 30, 30));
    researchLogo = makeButton(titleRow, "KerrowButton", QString(), QRect(213, 8, 30, 30));
    fanLogo = makeButton(titleRow, "PellumButton", QString(), QRect(213, 8, 30, 30));
    const struct {
        QPushButton* button;
        const char* picture;
        const char* name;
        const char* host;
        Site site;
    } logos[] = {
        {makerLogo, ":/art/corvane.png", "Open the Corvane web site", vantor::MakerHost,
         Site::Maker},
        {researchLogo, ":/art/kerrow.png", "Open the Kerrow research site", vantor::ResearchHost,
         Site::Research},
        {fanLogo, ":/art/pellum.png", "Open the Pellum fan site", vantor::FanHost, Site::Fan},
    };
    for (const auto& logo : logos) {
        logo.button->setIcon(resourceIcon(QString::fromLatin1(logo.picture), {25}));
        logo.button->setIconSize(QSize(25, 25));
        logo.button->setFlat(true);
        logo.button->setCursor(Qt::PointingHandCursor);
        logo.button->setAccessibleName(QString::fromLatin1(logo.name));
        logo.button->setToolTip(
            QStringLiteral("Opens %1 in your web browser.").arg(QLatin1String(logo.host)));
        const Site site = logo.site;
        guard.connect(logo.button, &QPushButton::clicked, this,
                      [this, site] { emit siteClicked(site); });
    }
    researchLogo->hide();
    fanLogo->hide();

    advancedButton =
        makeButton(titleRow, "AdvFunctionButton", OpenCaption, QRect(256, 12, 177, 17));
    advancedButton->setEnabled(false);

    for (int i = 0; i < PageCount; ++i) {
        const PageButton& b = PageButtons[i];
        pageButtons[i] = makeToggleButton(pageRow, b.name, QString::fromLatin1(b.caption),
                                          QRect(b.left, 15, b.width, 17));
        const Page page = Page(i);
        guard.connect(pageButtons[i], &QPushButton::clicked, this,
                      [this, page] { emit pageClicked(page); });
    }
    guard.connect(aboutButton, &QPushButton::clicked, this, [this] { emit aboutClicked(); });
    guard.connect(advancedButton, &QPushButton::clicked, this, [this] { emit advancedClicked(); });
    showTitleFor(std::nullopt);
}

void Navigation::setAdvancedEnabled(bool enabled) {
    advancedButton->setEnabled(enabled);
}

bool Navigation::advancedEnabled() const {
    return advancedButton->isEnabled();
}

void Navigation::showAdvancedOpen(bool open) {
    advancedButton->setText(open ? CloseCaption : OpenCaption);
    if (!open)
        for (ToggleButton* b : pageButtons)
            b->setOn(false);
}

void Navigation::markPage(Page page) {
    for (int i = 0; i < PageCount; ++i)
        pageButtons[i]->setOn(Page(i) == page);
}

void Navigation::showTitleFor(std::optional<Page> page) {
    const QString poweredBy = QStringLiteral("Powered by");
    const QString maker = QString::fromLatin1(vantor::MakerHost);
    int left = 78;
    QString text = maker;
    QPushButton* logo = makerLogo;
    if (page == Page::Weapon || page == Page::Parts || page == Page::Misc) {
        left = 120;
        text = poweredBy;
        logo = researchLogo;
    } else if (page == Page::Forum) {
        left = 45;
        text = QString::fromLatin1(vantor::FanHost);
        logo = fanLogo;
    }
    titleLabel->move(left, titleLabel->y());
    titleLabel->setText(text);
    // Measuring a text lays it out; the three titles are measured once.
    if (const auto size = titleSizes.constFind(text); size != titleSizes.cend()) {
        titleLabel->resize(*size);
    } else {
        titleLabel->adjustSize();
        titleSizes.insert(text, titleLabel->size());
    }
    for (QPushButton* b : {makerLogo, researchLogo, fanLogo})
        b->setVisible(b == logo);
}

int Navigation::pageButtonsBottom() const {
    return pageButtons[0]->geometry().bottom();
}

QList<QWidget*> Navigation::titleTabOrder() const {
    return {aboutButton, makerLogo, researchLogo, fanLogo, advancedButton};
}

QList<QWidget*> Navigation::pageTabOrder() const {
    return QList<QWidget*>(std::begin(pageButtons), std::end(pageButtons));
}

QString Navigation::aboutCaption() {
    return QStringLiteral("About \"I like the Garpike and\" Vantor");
}

QString Navigation::aboutText() {
    const QString maker = QString::fromLatin1(vantor::MakerHost);
    const QString fan = QString::fromLatin1(vantor::FanHost);
    return maker + QStringLiteral(" \n\n") + QStringLiteral(" Release V") +
           QLatin1String(vantor::Version) + QStringLiteral(" \n\n") +
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
}
