#pragma once
// The controls of the main window that the editor drives, by the editor's
// own indices. The widgets belong to the window; these are plain pointers.

#include "codecs/score/tables.h"
#include "core/ports.h"

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QWidget;

namespace tw::gui {

class PictureButton;
class ScoreListWidget;

inline constexpr int kKeyCount = kLastKey - kFirstKey + 1;
inline constexpr int kMenuEntryCount = int(MenuEntry::ExportMidi) + 1;
inline constexpr int kMenuCount = int(Menu::Help) + 1;

struct WindowWidgets {
    QWidget* client = nullptr;
    ScoreListWidget* lstScore = nullptr;
    QLineEdit* txtTitle = nullptr;
    QComboBox* cmbTempo = nullptr;
    std::array<QRadioButton*, 2> optPlayStart{};

    std::array<PictureButton*, kToolImageCount> tools{};   //!< by ToolImage
    std::array<PictureButton*, kKeyCount> keys{};          //!< key 5 at index 0
    std::array<PictureButton*, kLengthCount> lengths{};
    std::array<PictureButton*, kRestCount> rests{};
    std::array<QLabel*, 2> smoke{};                        //!< imgKemuri1, imgKemuri2

    PictureButton* imgCheese = nullptr;
    PictureButton* imgApple = nullptr;
    QLabel* imgAnime = nullptr;
    QLabel* imgFall = nullptr;

    std::array<QAction*, kMenuEntryCount> menuEntries{};   //!< by MenuEntry
    std::array<QMenu*, kMenuCount> menus{};                //!< by Menu

    PictureButton* tool(ToolImage image) const { return tools[std::size_t(image)]; }
    PictureButton* key(int key) const { return keys[std::size_t(key - kFirstKey)]; }
    QAction* menuEntry(MenuEntry entry) const { return menuEntries[std::size_t(entry)]; }
    QMenu* menu(Menu which) const { return menus[std::size_t(which)]; }
};

} // namespace tw::gui
