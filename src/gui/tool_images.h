#pragma once
// The eleven toolbar images: name, place, tooltip, picture store and the
// editor's press and release handlers, in the order of ToolImage.

#include "core/editor/editor.h"
#include "gui/art/layout.h"

#include <QRect>
#include <array>
#include <string_view>

namespace tw::gui {

using MouseHandler = void (Editor::*)(int button, int shift, double x, double y);

struct ToolImageInfo {
    ToolImage image;
    const char* name;
    QRect place;
    std::u16string_view tooltip;
    PictureStore store;
    MouseHandler press;
    MouseHandler release;
};

inline constexpr std::array<ToolImageInfo, kToolImageCount> ToolImages{{
    {ToolImage::New, "imgNew", layout::kNew, u"新しく曲を作成する", PictureStore::New,
     &Editor::imgNew_MouseDown, &Editor::imgNew_MouseUp},
    {ToolImage::Open, "imgOpen", layout::kOpen, u"ファイルを開く", PictureStore::Open,
     &Editor::imgOpen_MouseDown, &Editor::imgOpen_MouseUp},
    {ToolImage::Save, "imgSave", layout::kSave, u"ファイルに保存する", PictureStore::Save,
     &Editor::imgSave_MouseDown, &Editor::imgSave_MouseUp},
    {ToolImage::Sent, "imgSent", layout::kSent, u"データを送る", PictureStore::Sent,
     &Editor::imgSent_MouseDown, &Editor::imgSent_MouseUp},
    {ToolImage::Play, "imgPlay", layout::kPlay, u"演奏を開始する", PictureStore::Play,
     &Editor::imgPlay_MouseDown, &Editor::imgPlay_MouseUp},
    {ToolImage::Copy, "imgCopy", layout::kCopy, u"選択範囲をコピーします", PictureStore::Copy,
     &Editor::imgCopy_MouseDown, &Editor::imgCopy_MouseUp},
    {ToolImage::Paste, "imgPaste", layout::kPaste, u"コピーされた内容を貼り付けます", PictureStore::Paste,
     &Editor::imgPaste_MouseDown, &Editor::imgPaste_MouseUp},
    {ToolImage::Insert, "imgInsert", layout::kInsert, u"選択行に1行挿入されます", PictureStore::Insert,
     &Editor::imgInsert_MouseDown, &Editor::imgInsert_MouseUp},
    {ToolImage::Del, "imgDel", layout::kDel, u"選択行が削除されます", PictureStore::Del,
     &Editor::imgDel_MouseDown, &Editor::imgDel_MouseUp},
    {ToolImage::Undo, "imgUndo", layout::kUndo, u"一つ前の編集動作を戻します", PictureStore::Undo,
     &Editor::imgUndo_MouseDown, &Editor::imgUndo_MouseUp},
    {ToolImage::End, "imgEnd", layout::kEnd, u"終了する", PictureStore::End,
     &Editor::imgEnd_MouseDown, &Editor::imgEnd_MouseUp},
}};

} // namespace tw::gui
