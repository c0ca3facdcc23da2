// The HTML page and the forum code pages.

#include "app/Paths.h"
#include "app/Platform.h"
#include "app/Selectors.h"
#include "app/TVantor.h"
#include "reports/PageFile.h"
#include "reports/Reports.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QUrl>

namespace {

// The box's text with carriage return + line feed between its lines.
QString boxText(const QPlainTextEdit* box) {
    return vantor::joinCrLf(box->toPlainText().split(QLatin1Char('\n')));
}

} // namespace

vantor::PictureSource TVantor::pictureSource() const {
    return {vtImageChoice->checkedId() == 1, selectedItem(VTSelect)};
}

void TVantor::resetReports() {
    vtImageChoice->button(0)->setChecked(true);
    vantor::ResetReport(state, pictureSource());
}

void TVantor::HtmlGenerateButtonClick() {
    HtmlRichEdit->setPlainText(vantor::htmlPageLines(state).join(QLatin1Char('\n')));
}

void TVantor::HtmlClearButtonClick() {
    HtmlRichEdit->clear();
}

void TVantor::HtmlToClipboardButtonClick() {
    QGuiApplication::clipboard()->setText(boxText(HtmlRichEdit));
}

void TVantor::SpeedButton6Click() {
    const QString file = QDir(pageFolder()).filePath(QStringLiteral("VantorVTConfig.html"));
    if (const auto error = vantor::writePageFile(file, boxText(HtmlRichEdit))) {
        showError(*error);
        return;
    }
    platform->openUrl(QUrl::fromLocalFile(file));
}

void TVantor::VTImageRadioGroupClick() {
    vantor::SetVTReport(state, state.VTReportText, pictureSource());
}

void TVantor::ForumGenerateButtonClick() {
    vantor::BuildForumLines(state);
    ForumRichEdit->setPlainText(vantor::forumLines(state).join(QLatin1Char('\n')));
}

void TVantor::ForumRichEditClearButtonClick() {
    ForumRichEdit->clear();
}

void TVantor::ForumToClipBoardButtonClick() {
    QGuiApplication::clipboard()->setText(boxText(ForumRichEdit));
}
