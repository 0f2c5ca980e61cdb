#include "gui/menu_bar.h"

#include "core/editor/editor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <span>
#include <string_view>

namespace tw::gui {

namespace {

enum class Tick { None, Unticked, Ticked };

struct MenuItemInfo {
    const char* name;
    std::u16string_view caption;  //!< "-" is a separator
    QKeyCombination shortcut = Qt::Key_unknown;  //!< none
    std::optional<MenuEntry> entry{};
    void (*run)(Editor&) = nullptr;
    bool initiallyEnabled = true;
    Tick tick = Tick::None;
};

// Before the window is first shown the editor's reset sets every enabled
// state again; the initial ones are kept as the window was laid down.
constexpr MenuItemInfo FileItems[]{
    {"mnuNew", u"新規作成(&N)", Qt::CTRL | Qt::Key_N, MenuEntry::New,
     [](Editor& e) { e.mnuNew_Click(); }},
    {"mnuOpen", u"開く(&O)", Qt::CTRL | Qt::Key_O, MenuEntry::Open,
     [](Editor& e) { e.mnuOpen_Click(); }},
    {"mnuSave", u"保存(&S)", Qt::CTRL | Qt::Key_S, MenuEntry::Save,
     [](Editor& e) { e.mnuSave_Click(); }},
    {"mnuEnd", u"終了(&X)", {}, MenuEntry::End, [](Editor& e) { e.mnuEnd_Click(); }},
    {"mnuNull1", u"-"},
    {"mnuSent", u"送る(&D)", {}, MenuEntry::Sent, [](Editor& e) { e.mnuSent_Click(); }},
    {"mnuNull3", u"-"},
    {"mnuImport", u"インポート(&I)...", {}, MenuEntry::Import, [](Editor& e) { e.mnuImport_Click(); }},
    {"mnuExportMidi", u"MIDIファイルに書き出す(&M)...", {}, MenuEntry::ExportMidi, [](Editor& e) { e.mnuExportMidi_Click(); }},
};

constexpr MenuItemInfo EditItems[]{
    {"mnuCopy", u"コピー(&C)", Qt::CTRL | Qt::Key_C, MenuEntry::Copy,
     [](Editor& e) { e.mnuCopy_Click(); }, false},
    {"mnuPaste", u"貼り付け(&P)", Qt::CTRL | Qt::Key_V, MenuEntry::Paste,
     [](Editor& e) { e.mnuPaste_Click(); }, false},
    {"mnuInsert", u"挿入(&I)", Qt::CTRL | Qt::Key_I, MenuEntry::Insert,
     [](Editor& e) { e.mnuInsert_Click(); }, false},
    {"mnuDel", u"削除(&D)", QKeyCombination(Qt::Key_Delete), MenuEntry::Del,
     [](Editor& e) { e.mnuDel_Click(); }, false},
    {"mnuNull2", u"-"},
    {"mnuUndo", u"戻る(&Z)", Qt::CTRL | Qt::Key_Z, MenuEntry::Undo,
     [](Editor& e) { e.mnuUndo_Click(); }},
};

constexpr MenuItemInfo ToneItems[]{
    {"mnuToneBeep", ToneNames[0], {}, MenuEntry::ToneBeep,
     [](Editor& e) { e.mnuToneBeep_Click(); }, true, Tick::Ticked},
    {"mnuNull", u"-"},
    {"mnuTone_1", ToneNames[1], {}, MenuEntry::Tone1,
     [](Editor& e) { e.mnuTone_Click(1); }, true, Tick::Unticked},
    {"mnuTone_2", ToneNames[2], {}, MenuEntry::Tone2,
     [](Editor& e) { e.mnuTone_Click(2); }, true, Tick::Unticked},
    {"mnuTone_3", ToneNames[3], {}, MenuEntry::Tone3,
     [](Editor& e) { e.mnuTone_Click(3); }, true, Tick::Unticked},
    {"mnuTone_4", ToneNames[4], {}, MenuEntry::Tone4,
     [](Editor& e) { e.mnuTone_Click(4); }, true, Tick::Unticked},
    {"mnuTone_5", ToneNames[5], {}, MenuEntry::Tone5,
     [](Editor& e) { e.mnuTone_Click(5); }, true, Tick::Unticked},
};

constexpr MenuItemInfo HelpItems[]{
    {"mnuVolCtrl", u"音量プロパティ表示(&V)", {}, MenuEntry::VolCtrl,
     [](Editor& e) { e.mnuVolCtrl_Click(); }},
    {"mnuVer", u"バージョン情報(&A)", {}, MenuEntry::Ver, [](Editor& e) { e.mnuVer_Click(); }},
};

struct MenuInfo {
    Menu menu;
    const char* name;
    std::u16string_view caption;
    std::span<const MenuItemInfo> items;
};

constexpr MenuInfo Menus[]{
    {Menu::File, "mnuFile", u"ファイル(&F)", FileItems},
    {Menu::Edit, "mnuEdit", u"編集(&E)", EditItems},
    {Menu::ToneMenu, "mnuToneMenu", u"音色(&T)", ToneItems},
    {Menu::Help, "mnuHelp", u"ヘルプ(&H)", HelpItems},
};

QAction* addItem(QMenu& menu, const MenuItemInfo& info)
{
    QAction* action = info.caption == u"-" ? menu.addSeparator() : menu.addAction(text(info.caption));
    action->setObjectName(QLatin1String(info.name));
    if (info.shortcut.key() != Qt::Key_unknown)
        action->setShortcut(QKeySequence(info.shortcut));
    action->setEnabled(info.initiallyEnabled);
    if (info.tick != Tick::None) {
        action->setCheckable(true);
        action->setChecked(info.tick == Tick::Ticked);
    }
    return action;
}

} // namespace

void buildMenuBar(QMenuBar& bar, WindowWidgets& widgets)
{
    for (const MenuInfo& info : Menus) {
        auto* menu = bar.addMenu(text(info.caption));
        menu->setObjectName(QLatin1String(info.name));
        widgets.menus[std::size_t(info.menu)] = menu;
        for (const MenuItemInfo& item : info.items) {
            QAction* action = addItem(*menu, item);
            if (item.entry)
                widgets.menuEntries[std::size_t(*item.entry)] = action;
        }
    }
    // A blank entry at the end of the bar that can never be chosen; playback
    // hides the four menus and leaves it, so the bar keeps its height.
    QAction* dummy = bar.addAction(QStringLiteral(" "));
    dummy->setObjectName(QStringLiteral("mnuDumy"));
    dummy->setEnabled(false);
}

void connectMenuBar(const WindowWidgets& widgets, Editor& editor)
{
    for (const MenuInfo& info : Menus) {
        for (const MenuItemInfo& item : info.items) {
            if (!item.entry)
                continue;
            QAction* action = widgets.menuEntry(*item.entry);
            QObject::connect(action, &QAction::triggered, action, [action, run = item.run, &editor] {
                // A checkable entry ticks itself when chosen; only the editor's
                // tone commands decide where the tick goes, so undo that first.
                if (action->isCheckable())
                    action->setChecked(!action->isChecked());
                run(editor);
            });
        }
    }
}

} // namespace tw::gui
