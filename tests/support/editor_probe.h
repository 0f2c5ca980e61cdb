#pragma once
// The tests' one door into the editor's state: a score of 500 rows, a window
// busy playing or a half-made note set up in one step, where the handlers would
// need hundreds of clicks or a nested event loop.

#include "core/editor/editor.h"

namespace tw {

struct EditorProbe {
    static Document& document(Editor& editor) { return editor.document_; }
    static EntryState& entry(Editor& editor) { return editor.entry_.state_; }
    static Activity& activity(Editor& editor) { return editor.activity_; }
};

} // namespace tw
