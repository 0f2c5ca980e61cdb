#pragma once
// The main window's controls as a record: every enabled state, picture, tick,
// visibility and text the editor sets, and what a test reads back.
//
// It starts as the window layout leaves the controls before start-up: every
// toolbar image enabled except imgPlay, no picture shown yet, the Edit menu's
// Copy, Paste, Insert and Delete greyed, "ビープ" ticked, menus visible,
// nothing pressed, the title empty, no tempo item and no start option chosen
// (-1), so a test sees what start-up itself sets.
// Key, length and rest indices out of range throw.

#include "codecs/score/tables.h"
#include "core/ports.h"
#include "support/printers.h"

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace tw::test {

//! A picture shown in a toolbar image: which store and which of its looks.
struct ShownPicture {
    PictureStore store;
    Look look;
    friend bool operator==(const ShownPicture&, const ShownPicture&) = default;
    friend void PrintTo(const ShownPicture& shown, std::ostream* os)
    {
        PrintTo(shown.store, os);
        *os << '(';
        PrintTo(shown.look, os);
        *os << ')';
    }
};

class FakeControls final : public ControlsPort {
public:
    FakeControls()
    {
        toolEnabled_.fill(true);
        toolEnabled_[index(ToolImage::Play)] = false;
        for (auto entry : {MenuEntry::Copy, MenuEntry::Paste, MenuEntry::Insert, MenuEntry::Del})
            menuEnabled_[entry] = false;
        menuChecked_[MenuEntry::ToneBeep] = true;
        keyEnabled_.fill(true);
        lengthEnabled_.fill(true);
        restEnabled_.fill(true);
    }

    // ---- ControlsPort ----
    void setToolEnabled(ToolImage image, bool enabled) override { toolEnabled_[index(image)] = enabled; }
    void showToolPicture(ToolImage image, PictureStore store, Look look) override
    {
        toolPicture_[index(image)] = ShownPicture{store, look};
        pictureLog_.emplace_back(image, ShownPicture{store, look});
    }
    QSizeF toolImageSize(ToolImage) const override { return toolSize_; }
    void setMenuEntryEnabled(MenuEntry entry, bool enabled) override { menuEnabled_[entry] = enabled; }
    void setMenuEntryChecked(MenuEntry entry, bool checked) override { menuChecked_[entry] = checked; }
    void setMenuVisible(Menu menu, bool visible) override { menuVisible_[menu] = visible; }
    void setPlayTooltip(const QString& tooltip) override { playTooltip_ = tooltip; }
    void setSmokeVisible(int which, bool visible) override { smokeVisible_.at(smokeSlot(which)) = visible; }

    void showKeyPicture(int key, bool pressed) override { keyPressed_.at(keySlot(key)) = pressed; }
    void showLengthPicture(int i, bool pressed) override { lengthPressed_.at(std::size_t(i)) = pressed; }
    void showRestPicture(int i, bool pressed) override { restPressed_.at(std::size_t(i)) = pressed; }
    void setKeyEnabled(int key, bool enabled) override { keyEnabled_.at(keySlot(key)) = enabled; }
    void setLengthEnabled(int i, bool enabled) override { lengthEnabled_.at(std::size_t(i)) = enabled; }
    void setRestEnabled(int i, bool enabled) override { restEnabled_.at(std::size_t(i)) = enabled; }

    //! Also the test's way to type into the title box (then call txtTitle_Change).
    QString titleText() const override { return title_; }
    void setTitleText(const QString& text) override { title_ = text; }
    void setTitleEnabled(bool enabled) override { titleEnabled_ = enabled; }

    //! Also the test's way to choose a tempo item (then call cmbTempo_Click).
    int tempoIndex() const override { return tempo_; }
    void setTempoIndex(int index) override { tempo_ = index; }
    void setTempoEnabled(bool enabled) override { tempoEnabled_ = enabled; }

    int playStartOption() const override { return playStart_; }
    void setPlayStartOption(int option) override { playStart_ = option; }

    void repaint() override { ++repaints_; }
    void endApplication() override { ++endApplicationCalls_; }

    // ---- What a test looks at ----
    bool isToolEnabled(ToolImage image) const { return toolEnabled_[index(image)]; }
    //! The picture last shown in the image; nothing before the first one.
    std::optional<ShownPicture> toolPicture(ToolImage image) const { return toolPicture_[index(image)]; }
    //! Every picture shown in any toolbar image, in order.
    const std::vector<std::pair<ToolImage, ShownPicture>>& pictureLog() const { return pictureLog_; }
    void clearPictureLog() { pictureLog_.clear(); }
    //! The size every toolbar image reports, in twips (720 x 720 unless set).
    void setToolImageSize(QSizeF twips) { toolSize_ = twips; }

    bool isMenuEntryEnabled(MenuEntry entry) const { return value(menuEnabled_, entry, true); }
    bool isMenuEntryChecked(MenuEntry entry) const { return value(menuChecked_, entry, false); }
    bool isMenuVisible(Menu menu) const { return value(menuVisible_, menu, true); }
    QString playTooltip() const { return playTooltip_; }
    bool isSmokeVisible(int which) const { return smokeVisible_.at(smokeSlot(which)); }

    bool isKeyPressed(int key) const { return keyPressed_.at(keySlot(key)); }
    bool isKeyEnabled(int key) const { return keyEnabled_.at(keySlot(key)); }
    bool isLengthPressed(int i) const { return lengthPressed_.at(std::size_t(i)); }
    bool isLengthEnabled(int i) const { return lengthEnabled_.at(std::size_t(i)); }
    bool isRestPressed(int i) const { return restPressed_.at(std::size_t(i)); }
    bool isRestEnabled(int i) const { return restEnabled_.at(std::size_t(i)); }
    //! The keys, length buttons and rest buttons drawn pressed, in index order.
    std::vector<int> pressedKeys() const { return pressed(keyPressed_, kFirstKey); }
    std::vector<int> pressedLengths() const { return pressed(lengthPressed_, 0); }
    std::vector<int> pressedRests() const { return pressed(restPressed_, 0); }

    bool isTitleEnabled() const { return titleEnabled_; }
    bool isTempoEnabled() const { return tempoEnabled_; }
    int repaintCount() const { return repaints_; }
    int endApplicationCount() const { return endApplicationCalls_; }

private:
    static std::size_t index(ToolImage image) { return std::size_t(image); }
    //! Smoke 1 and 2 only; 0 and anything else throws.
    static std::size_t smokeSlot(int which) { return std::size_t(which - 1); }
    static std::size_t keySlot(int key)
    {
        return key < kFirstKey ? std::size_t(-1) : std::size_t(key - kFirstKey);
    }
    template <typename Key>
    static bool value(const std::map<Key, bool>& map, Key key, bool otherwise)
    {
        const auto it = map.find(key);
        return it == map.end() ? otherwise : it->second;
    }
    template <std::size_t N>
    static std::vector<int> pressed(const std::array<bool, N>& flags, int first)
    {
        std::vector<int> out;
        for (std::size_t i = 0; i < N; ++i)
            if (flags[i])
                out.push_back(first + int(i));
        return out;
    }

    static constexpr std::size_t kKeys = kLastKey - kFirstKey + 1;

    std::array<bool, kToolImageCount> toolEnabled_{};
    std::array<std::optional<ShownPicture>, kToolImageCount> toolPicture_{};
    std::vector<std::pair<ToolImage, ShownPicture>> pictureLog_;
    QSizeF toolSize_{720, 720};
    std::map<MenuEntry, bool> menuEnabled_;
    std::map<MenuEntry, bool> menuChecked_;
    std::map<Menu, bool> menuVisible_;
    QString playTooltip_;
    std::array<bool, 2> smokeVisible_{};  // smoke 1 beside Open, 2 beside Save
    std::array<bool, kKeys> keyPressed_{};
    std::array<bool, kKeys> keyEnabled_{};
    std::array<bool, kLengthCount> lengthPressed_{};
    std::array<bool, kLengthCount> lengthEnabled_{};
    std::array<bool, kRestCount> restPressed_{};
    std::array<bool, kRestCount> restEnabled_{};
    QString title_;
    bool titleEnabled_ = true;
    int tempo_ = -1;
    bool tempoEnabled_ = true;
    int playStart_ = -1;
    int repaints_ = 0;
    int endApplicationCalls_ = 0;
};

} // namespace tw::test
