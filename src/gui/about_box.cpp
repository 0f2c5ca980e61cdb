#include "gui/about_box.h"

#include "core/message.h"
#include "tunewright/version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw::gui {

namespace {

const QString kDescription =
    QStringLiteral("Chimeboxで演奏することができるメロディデータを作成するアプリケーションです。");

// Our own notice: the licence the program is given under and the absence of any warranty.
const QString kDisclaimer = QStringLiteral(
    "このプログラムは MIT ライセンスのもとで配布されるフリーソフトウェアです。"
    "ライセンスの条件に従い、誰でも自由に使用、複製、改変、再配布できます。\n"
    "このプログラムは現状のまま提供され、明示・黙示を問わず、いかなる保証もありません。"
    "使用によって生じた損害について、作者は一切の責任を負いません。");

constexpr int kIconSize = 48;
constexpr int kTextWidth = 360;  // the wrapped texts keep the box narrow and fixed

QFrame* dividingLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* wrappedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent),
      picIcon(new QLabel(this)),
      lblTitle(new QLabel(this)),
      lblVersion(new QLabel(this)),
      lblDescription(wrappedLabel(QStringLiteral("lblDescription"), kDescription, this)),
      lblDisclaimer(wrappedLabel(QStringLiteral("lblDisclaimer"), kDisclaimer, this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(windowIcon().pixmap(kIconSize, kIconSize));
    picIcon->setFixedSize(kIconSize, kIconSize);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    QFont smallFont = lblDisclaimer->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.9);
    lblDisclaimer->setFont(smallFont);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(88);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);

    auto* names = new QVBoxLayout;
    names->addWidget(lblTitle);
    names->addWidget(lblVersion);
    names->addStretch();
    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(picIcon, 0, Qt::AlignTop);
    head->addLayout(names, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->setContentsMargins(20, 18, 20, 16);
    box->setSpacing(12);
    box->addLayout(head);
    box->addWidget(dividingLine(this));
    box->addWidget(lblDescription);
    box->addWidget(dividingLine(this));
    box->addWidget(lblDisclaimer);
    box->addLayout(buttons);

    Form_Load();
}

void AboutBox::Form_Load()
{
    setWindowTitle(kAppTitle + QStringLiteral(" の ﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(QLatin1String(kVersionText));
    lblTitle->setText(kAppTitle);
}

void AboutBox::cmdOK_Click()
{
    // The box deletes itself on close; the next showing loads a new one.
    accept();
}

void AboutBox::reject()
{
    cmdOK_Click();
}

} // namespace tw::gui
