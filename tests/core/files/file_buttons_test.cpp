// The Open and Save buttons and menu entries: when their commands run, and the smoke beside
// the buttons.

#include "file_fixture.h"

namespace tw::test {
namespace {

using Handler = void (Editor::*)(int, int, double, double);

struct FileButton {
    const char* name;
    Handler press;
    Handler release;
    void (Editor::*menu)();
    int smoke;
    std::vector<FakeDialogs::Shown> FakeDialogs::*shown;
};

const FileButton kButtons[] = {
    {"Open", &Editor::imgOpen_MouseDown, &Editor::imgOpen_MouseUp, &Editor::mnuOpen_Click, 1,
     &FakeDialogs::openShown},
    {"Save", &Editor::imgSave_MouseDown, &Editor::imgSave_MouseUp, &Editor::mnuSave_Click, 2,
     &FakeDialogs::saveShown},
};

class FileButtons : public FileFixture, public ::testing::WithParamInterface<FileButton> {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        controls.setToolImageSize({600, 450});
        // Saved rows: Save has something to write and Open asks nothing.
        loadRows({124, 992});
    }
    std::size_t dialogsShown() const { return (dialogs.*GetParam().shown).size(); }
    void press(int button, double x, double y) { (editor.*GetParam().press)(button, 0, x, y); }
    void release(int button, double x, double y) { (editor.*GetParam().release)(button, 0, x, y); }
};

TEST_P(FileButtons, AReleaseOutsideTheButtonHidesTheSmokeAndRunsNothing)
{
    press(kLeftButton, 300, 200);
    EXPECT_TRUE(controls.isSmokeVisible(GetParam().smoke));

    release(kLeftButton, 300, 451);

    EXPECT_FALSE(controls.isSmokeVisible(GetParam().smoke));
    EXPECT_EQ(dialogsShown(), 0u);
    EXPECT_EQ(messages.texts(), QStringList{});
}

TEST_P(FileButtons, TheRightButtonDoesNothingAtAll)
{
    press(kRightButton, 300, 200);
    EXPECT_FALSE(controls.isSmokeVisible(GetParam().smoke));
    release(kRightButton, 300, 200);

    EXPECT_EQ(controls.pictureLog().size(), 0u);
    EXPECT_EQ(dialogsShown(), 0u);
}

TEST_P(FileButtons, AReleaseOverTheButtonAndTheMenuEntryBothRunTheCommand)
{
    press(kLeftButton, 300, 200);
    release(kLeftButton, 600, 450);
    EXPECT_EQ(dialogsShown(), 1u);

    // The menu entry runs the command wherever the pointer is.
    controls.setToolImageSize({1, 1});
    (editor.*GetParam().menu)();
    EXPECT_EQ(dialogsShown(), 2u);
}

INSTANTIATE_TEST_SUITE_P(, FileButtons, ::testing::ValuesIn(kButtons),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
