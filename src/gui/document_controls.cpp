#include "gui/window_controls.h"

#include "core/editor/editor.h"
#include "gui/art/layout.h"
#include "gui/place.h"
#include "gui/row_font.h"
#include "gui/score_list_widget.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tw::gui {

namespace {

// The longest title the width limit can leave is 64 ASCII characters; one
// more lets the 65th reach the limit and be answered as it should, while a
// pasted megabyte is cut before it could raise a message per character.
constexpr int kTitleMaxLength = 65;

struct Heading {
    const char* name;
    std::u16string_view text;
    QRect place;
};

constexpr Heading Headings[]{
    {"lblRow1", u"No", layout::kHeadingNo},
    {"lblRow2", u"Oct", layout::kHeadingOct},
    {"Label1", u"音階", layout::kHeadingPitch},
    {"Label2", u"長さ", layout::kHeadingLength},
};

constexpr std::u16string_view PlayStartTexts[]{u"始めから", u"指定行から"};

} // namespace

void buildDocumentControls(QWidget& client, WindowWidgets& widgets)
{
    for (const Heading& heading : Headings)
        place<QLabel>(client, QLatin1String(heading.name), heading.place)->setText(text(heading.text));

    widgets.lstScore = place<ScoreListWidget>(client, QStringLiteral("lstScore"), layout::kScoreList);
    widgets.lstScore->setAccessibleName(QStringLiteral("楽譜"));

    widgets.txtTitle = place<QLineEdit>(client, QStringLiteral("txtTitle"), layout::kTitle);
    // The captions beside the boxes are painted into the background, so the
    // boxes carry them as their names.
    widgets.txtTitle->setAccessibleName(QStringLiteral("曲名"));
    widgets.txtTitle->setToolTip(QStringLiteral("曲名を設定する"));
    widgets.txtTitle->setFont(rowFont());
    widgets.txtTitle->setMaxLength(kTitleMaxLength);

    widgets.cmbTempo = place<QComboBox>(client, QStringLiteral("cmbTempo"), layout::kTempo);
    widgets.cmbTempo->setAccessibleName(QStringLiteral("テンポ"));
    widgets.cmbTempo->setToolTip(QStringLiteral("演奏スピードを変更する"));
    for (const TempoItem& item : TempoItems)
        widgets.cmbTempo->addItem(text(item.text), item.itemData);

    auto* frame = place<QFrame>(client, QStringLiteral("Picture1"), layout::kPlayStartFrame);
    auto* options = new QVBoxLayout(frame);
    options->setContentsMargins(6, 0, 0, 0);
    options->setSpacing(0);
    for (std::size_t i = 0; i < widgets.optPlayStart.size(); ++i) {
        auto* option = new QRadioButton(text(PlayStartTexts[i]), frame);
        option->setObjectName(QStringLiteral("optPlayStart_%1").arg(i));
        options->addWidget(option);
        widgets.optPlayStart[i] = option;
    }
}

void connectDocumentControls(const WindowWidgets& widgets, Editor& editor)
{
    QObject::connect(widgets.lstScore, &ScoreListWidget::released, widgets.lstScore,
                     [&editor](int button) { editor.lstScore_MouseUp(button); });
    // Only the user's edits and choices raise the handlers; the editor runs
    // them itself where a command of its own changes the title or the tempo.
    QObject::connect(widgets.txtTitle, &QLineEdit::textEdited, widgets.txtTitle,
                     [&editor] { editor.txtTitle_Change(); });
    QObject::connect(widgets.cmbTempo, &QComboBox::activated, widgets.cmbTempo,
                     [&editor] { editor.cmbTempo_Click(); });
}

} // namespace tw::gui
