#pragma once
// The eleven toolbar images: name, place, caption, tooltip, the menu entry
// that shares the command, picture store and the editor's press and release
// handlers, in the order of ToolImage.

#include "core/editor/editor.h"
#include "gui/art/layout.h"

#include <QRect>
#include <array>
#include <optional>
#include <string_view>

namespace tw::gui {

using MouseHandler = void (Editor::*)(int button, int shift, double x, double y);

struct ToolImageInfo {
    ToolImage image;
    const char* name;
    QRect place;
    std::u16string_view caption;  //!< the name a screen reader says
    std::u16string_view tooltip;
    std::optional<MenuEntry> menuEntry;  //!< whose shortcut the tooltip shows
    PictureStore store;
    MouseHandler press;
    MouseHandler release;
};

inline constexpr std::array<ToolImageInfo, kToolImageCount> ToolImages{{
    {ToolImage::New, "imgNew", layout::kNew, u"新規作成", u"新しく曲を作成する", MenuEntry::New, PictureStore::New,
     &Editor::imgNew_MouseDown, &Editor::imgNew_MouseUp},
    {ToolImage::Open, "imgOpen", layout::kOpen, u"開く", u"ファイルを開く", MenuEntry::Open, PictureStore::Open,
     &Editor::imgOpen_MouseDown, &Editor::imgOpen_MouseUp},
    {ToolImage::Save, "imgSave", layout::kSave, u"保存", u"ファイルに保存する", MenuEntry::Save, PictureStore::Save,
     &Editor::imgSave_MouseDown, &Editor::imgSave_MouseUp},
    {ToolImage::Sent, "imgSent", layout::kSent, u"送る", u"データを送る", MenuEntry::Sent, PictureStore::Sent,
     &Editor::imgSent_MouseDown, &Editor::imgSent_MouseUp},
    {ToolImage::Play, "imgPlay", layout::kPlay, u"演奏", u"演奏を開始する", std::nullopt, PictureStore::Play,
     &Editor::imgPlay_MouseDown, &Editor::imgPlay_MouseUp},
    {ToolImage::Copy, "imgCopy", layout::kCopy, u"コピー", u"選択範囲をコピーします", MenuEntry::Copy, PictureStore::Copy,
     &Editor::imgCopy_MouseDown, &Editor::imgCopy_MouseUp},
    {ToolImage::Paste, "imgPaste", layout::kPaste, u"貼り付け", u"コピーされた内容を貼り付けます", MenuEntry::Paste, PictureStore::Paste,
     &Editor::imgPaste_MouseDown, &Editor::imgPaste_MouseUp},
    {ToolImage::Insert, "imgInsert", layout::kInsert, u"挿入", u"選択行に1行挿入されます", MenuEntry::Insert, PictureStore::Insert,
     &Editor::imgInsert_MouseDown, &Editor::imgInsert_MouseUp},
    {ToolImage::Del, "imgDel", layout::kDel, u"削除", u"選択行が削除されます", MenuEntry::Del, PictureStore::Del,
     &Editor::imgDel_MouseDown, &Editor::imgDel_MouseUp},
    {ToolImage::Undo, "imgUndo", layout::kUndo, u"戻る", u"一つ前の編集動作を戻します", MenuEntry::Undo, PictureStore::Undo,
     &Editor::imgUndo_MouseDown, &Editor::imgUndo_MouseUp},
    {ToolImage::End, "imgEnd", layout::kEnd, u"終了", u"終了する", MenuEntry::End, PictureStore::End,
     &Editor::imgEnd_MouseDown, &Editor::imgEnd_MouseUp},
}};

} // namespace tw::gui
