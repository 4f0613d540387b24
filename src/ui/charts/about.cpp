#include "ui/charts/about.h"

#include "ui/charts/about_texts.h"
#include "ui/charts/ok_panel.h"
#include "ui/common/colours.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/common/window_frame.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace qvk::ui {

namespace {

// The guide's lines were laid out for a narrow 8-point face: every line must
// fit its width.
QFont fittedFont(const std::vector<AboutText>& texts)
{
    return narrowedToFit(programFont(8), [&texts](const QFontMetrics& metrics) {
        return std::all_of(texts.begin(), texts.end(), [&metrics](const AboutText& text) {
            return text.width == 0 || metrics.size(0, text.text).width() <= text.width;
        });
    });
}

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent, kTitleAndCloseBox)
{
    setObjectName("About");
    setWindowTitle(" Amateur Radio QVK About...");
    setFixedSize(389, 421);
    setColours(*this, kSand, kNavy);

    const std::vector<AboutText> texts = aboutTexts();
    setFont(fittedFont(texts));
    for (const AboutText& text : texts) {
        auto* label = new QLabel(text.text, this);
        label->setObjectName(text.labelName);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QSize hint = label->sizeHint();
        label->setGeometry(QRect(text.position, QSize(text.width > 0 ? text.width : hint.width(), hint.height())));
    }

    addOkPanel(*this, {"Panel1", "SpeedButton1", QRect(163, 395, 62, 23), kTan});
}

void TAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QSize outer = outerGeometry(*this).size();
    setOuterGeometry(*this, QRect(centredTopLeft(screen()->size(), outer), outer));
}

}  // namespace qvk::ui
