// The window as the users' manuals lay it down: the menu bar entry by entry,
// and the names, texts and tooltips of the controls.

#include "gui/art/artwork.h"
#include "gui/shell/main_window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace tw::gui {
namespace {

//! One entry of a menu: "-" is a separator; a ticked entry is marked "✓".
struct Entry {
    const char* name;
    const char16_t* caption;
    const char* shortcut = "";
    const char* tick = "";
};

struct MenuLayout {
    const char* name;
    const char16_t* caption;
    std::vector<Entry> entries;
};

const MenuLayout Menus[]{
    {"mnuFile", u"ファイル(&F)",
     {{"mnuNew", u"新規作成(&N)", "Ctrl+N"}, {"mnuOpen", u"開く(&O)", "Ctrl+O"},
      {"mnuSave", u"保存(&S)", "Ctrl+S"}, {"mnuEnd", u"終了(&X)"}, {"mnuNull1", u"-"},
      {"mnuSent", u"送る(&D)"},
      // Beyond the design's entries: melodies in from other programs and out as MIDI.
      {"mnuNull3", u"-"}, {"mnuImport", u"インポート(&I)..."},
      {"mnuExportMidi", u"MIDIファイルに書き出す(&M)..."}}},
    {"mnuEdit", u"編集(&E)",
     {{"mnuCopy", u"コピー(&C)", "Ctrl+C"}, {"mnuPaste", u"貼り付け(&P)", "Ctrl+V"},
      {"mnuInsert", u"挿入(&I)", "Ctrl+I"}, {"mnuDel", u"削除(&D)", "Del"}, {"mnuNull2", u"-"},
      {"mnuUndo", u"戻る(&Z)", "Ctrl+Z"}}},
    {"mnuToneMenu", u"音色(&T)",
     {{"mnuToneBeep", u"ビープ", "", "✓"}, {"mnuNull", u"-"}, {"mnuTone_1", u"オルゴール"},
      {"mnuTone_2", u"ピアノ"}, {"mnuTone_3", u"ギター"}, {"mnuTone_4", u"トランペット"},
      {"mnuTone_5", u"オルガン"}}},
    {"mnuHelp", u"ヘルプ(&H)",
     {{"mnuVolCtrl", u"音量プロパティ表示(&V)"}, {"mnuVer", u"バージョン情報(&A)"}}},
};

std::string describe(const QAction* action)
{
    if (action->isSeparator())
        return action->objectName().toStdString() + " -";
    std::string out = action->objectName().toStdString() + " " + action->text().toStdString();
    if (!action->shortcut().isEmpty())
        out += " " + action->shortcut().toString().toStdString();
    if (action->isChecked())
        out += " ✓";
    return out;
}

std::string describe(const Entry& entry)
{
    const QString caption = QString::fromUtf16(entry.caption);
    if (caption == QLatin1String("-"))
        return std::string(entry.name) + " -";
    std::string out = std::string(entry.name) + " " + caption.toStdString();
    if (*entry.shortcut)
        out += std::string(" ") + entry.shortcut;
    if (*entry.tick)
        out += std::string(" ") + entry.tick;
    return out;
}

TEST_F(MainWindowTest, TheMenuBarIsLaidDownEntryByEntry)
{
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), std::size(Menus) + 1);
    for (std::size_t m = 0; m < std::size(Menus); ++m) {
        QMenu* menu = bar[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName().toStdString(), Menus[m].name);
        EXPECT_EQ(menu->title(), QString::fromUtf16(Menus[m].caption));
        std::vector<std::string> shown, expected;
        for (const QAction* action : menu->actions())
            shown.push_back(describe(action));
        for (const Entry& entry : Menus[m].entries)
            expected.push_back(describe(entry));
        EXPECT_EQ(shown, expected);
    }
    const QAction* dummy = bar.last();
    EXPECT_EQ(dummy->objectName(), QStringLiteral("mnuDumy"));
    EXPECT_EQ(dummy->text(), QStringLiteral(" "));
    EXPECT_FALSE(dummy->isEnabled());
}

// The design's tooltip texts stay as they are; a control with a key shows it after the text.
TEST_F(MainWindowTest, ControlsCarryTheirTooltipsAndTheirKeys)
{
    struct Tooltip {
        const char* name;
        const char16_t* text;
        const char* key;  //!< "" for none
    };
    const Tooltip tooltips[]{
        {"txtTitle", u"曲名を設定する", ""},  {"cmbTempo", u"演奏スピードを変更する", ""},
        {"imgNew", u"新しく曲を作成する", "Ctrl+N"}, {"imgOpen", u"ファイルを開く", "Ctrl+O"},
        {"imgSave", u"ファイルに保存する", "Ctrl+S"}, {"imgSent", u"データを送る", ""},
        {"imgPlay", u"演奏を開始する", "F5"},    {"imgCopy", u"選択範囲をコピーします", "Ctrl+C"},
        {"imgPaste", u"コピーされた内容を貼り付けます", "Ctrl+V"}, {"imgInsert", u"選択行に1行挿入されます", "Ctrl+I"},
        {"imgDel", u"選択行が削除されます", "Del"}, {"imgUndo", u"一つ前の編集動作を戻します", "Ctrl+Z"},
        {"imgEnd", u"終了する", ""},
        {"imgLen_0", u"16分音符", "1"}, {"imgLen_1", u"8分音符", "2"}, {"imgLen_2", u"付点8分音符", "3"},
        {"imgLen_3", u"4分音符", "4"}, {"imgLen_4", u"付点4分音符", "5"}, {"imgLen_5", u"2分音符", "6"},
        {"imgLen_6", u"付点2分音符", "7"}, {"imgLen_7", u"全音符", "8"},
        {"imgRest_0", u"16分休符", "Alt+1"}, {"imgRest_1", u"8分休符", "Alt+2"}, {"imgRest_2", u"4分休符", "Alt+3"},
        {"imgRest_3", u"2分休符", "Alt+4"}, {"imgRest_4", u"全休符", "Alt+5"},
        {"imgKey_5", u"低いファ", "Z"}, {"imgKey_13", u"ド＃", "H"}, {"imgKey_18", u"ファ＃", "Shift+Q"},
        {"imgKey_29", u"高いファ", "I"},
    };
    for (const auto& [name, text, key] : tooltips) {
        QString expected = QString::fromUtf16(text);
        if (*key)
            expected += QStringLiteral(" (%1)").arg(QLatin1String(key));
        EXPECT_EQ(control<QWidget>(QLatin1String(name))->toolTip(), expected) << name;
    }
}

TEST_F(MainWindowTest, LabelsOptionsAndTempoItemsCarryTheirTexts)
{
    const std::pair<const char*, const char16_t*> labels[]{
        {"lblRow1", u"No"}, {"lblRow2", u"Oct"}, {"Label1", u"音階"}, {"Label2", u"長さ"}};
    for (const auto& [name, text] : labels)
        EXPECT_EQ(control<QLabel>(QLatin1String(name))->text(), QString::fromUtf16(text)) << name;
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("optPlayStart_0"))->text(), QStringLiteral("始めから"));
    EXPECT_EQ(control<QRadioButton>(QStringLiteral("optPlayStart_1"))->text(), QStringLiteral("指定行から"));

    const std::pair<const char16_t*, int> tempos[]{{u"60", 11}, {u"90", 100}, {u"120", 101}, {u"150", 110}, {u"180", 111}};
    QComboBox* tempo = window.widgets().cmbTempo;
    ASSERT_EQ(tempo->count(), int(std::size(tempos)));
    for (int i = 0; i < tempo->count(); ++i) {
        EXPECT_EQ(tempo->itemText(i), QString::fromUtf16(tempos[i].first));
        EXPECT_EQ(tempo->itemData(i).toInt(), tempos[i].second);
    }
    EXPECT_FALSE(tempo->isEditable());
}

TEST_F(MainWindowTest, TheWindowIsTheFixedClientAreaUnderItsMenuBar)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("main"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tunewright"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(759, 528));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainWindowTest, TheShownClientAreaLiesOnTheBackgroundPicture)
{
    const QBrush backdrop = window.centralWidget()->palette().brush(QPalette::Window);
    EXPECT_EQ(backdrop.texture().toImage(), art::background().toImage());
}

TEST_F(MainWindowTest, BlackKeysLieOverTheWhiteKeys)
{
    QWidget* client = window.centralWidget();
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        PictureButton* button = control(QStringLiteral("imgKey_%1").arg(key));
        // Where a black key is, a click finds it; a white key is found below the black ones.
        const QPoint probe = isBlackKey(key) ? button->geometry().center()
                                             : QPoint(button->geometry().center().x(), button->geometry().bottom() - 4);
        EXPECT_EQ(client->childAt(probe), button) << key;
    }
}

} // namespace
} // namespace tw::gui
