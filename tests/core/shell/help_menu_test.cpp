#include "support/editor_fixture.h"

#include "core/volume_controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw::test {

void PrintTo(const FakeHelp::Started& started, std::ostream* os)
{
    ::PrintTo(QStringList{started.program} + started.arguments, os);
}

namespace {

const Message kCannotStart{QStringLiteral("起動できません"), MessageIcon::None, MessageButtons::Ok};

using HelpMenuTest = EditorFixture;

TEST_F(HelpMenuTest, TheVersionEntryShowsTheAboutBoxEachTimeAndChangesNothing)
{
    editor.mnuVer_Click();
    editor.mnuVer_Click();
    EXPECT_EQ(help.aboutShows, 2);
    EXPECT_EQ(messages.shown(), std::vector<Message>{});
    EXPECT_TRUE(editor.Saved());
}

struct VolumeCase {
    const char* name;
    QSet<QString> existing;
    QSet<QString> refusing;
    std::vector<FakeHelp::Started> started;
    bool cannotStart;
};

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.name; }

const FakeHelp::Started kPavucontrol{QStringLiteral("pavucontrol"), {}};
const FakeHelp::Started kPwvucontrol{QStringLiteral("pwvucontrol"), {}};
const FakeHelp::Started kGnomeSound{QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}};
const FakeHelp::Started kKmix{QStringLiteral("kmix"), {}};
const FakeHelp::Started kXfceMixer{QStringLiteral("xfce4-mixer"), {}};
const QSet<QString> kEveryMixer{QStringLiteral("pavucontrol"), QStringLiteral("pwvucontrol"),
                                QStringLiteral("gnome-control-center"), QStringLiteral("kmix"),
                                QStringLiteral("xfce4-mixer")};

const VolumeCase kVolumeCases[] = {
    {"NoMixerInstalled", {}, {}, {}, true},
    {"EveryMixerInstalledTheFirstWins", kEveryMixer, {}, {kPavucontrol}, false},
    {"OnlyKdeMixer", {QStringLiteral("kmix")}, {}, {kKmix}, false},
    {"GnomeOpensItsSoundPanel", {QStringLiteral("gnome-control-center"), QStringLiteral("xfce4-mixer")}, {},
     {kGnomeSound}, false},
    {"AMixerThatFailsGivesWayToTheNext", {QStringLiteral("pwvucontrol"), QStringLiteral("kmix")},
     {QStringLiteral("pwvucontrol")}, {kPwvucontrol, kKmix}, false},
    {"NoneStartsEachTriedOnceInOrder", kEveryMixer, kEveryMixer,
     {kPavucontrol, kPwvucontrol, kGnomeSound, kKmix, kXfceMixer}, true},
};

class VolumeControlTest : public EditorFixture, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeControlTest, StartsTheFirstMixerThatStartsOrSaysItCannot)
{
    help.existing = GetParam().existing;
    help.refusing = GetParam().refusing;
    editor.mnuVolCtrl_Click();
    EXPECT_EQ(help.started, GetParam().started);
    EXPECT_EQ(messages.shown(), GetParam().cannotStart ? std::vector{kCannotStart} : std::vector<Message>{});
    EXPECT_TRUE(editor.Saved());
}

INSTANTIATE_TEST_SUITE_P(Mixers, VolumeControlTest, ::testing::ValuesIn(kVolumeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpMenuTest, ASystemWithoutAKnownVolumeControlSaysItCannotStartOne)
{
    help.volumePrograms = {};
    help.existing = kEveryMixer;
    editor.mnuVolCtrl_Click();
    EXPECT_EQ(help.started, std::vector<FakeHelp::Started>{});
    EXPECT_EQ(messages.shown(), std::vector{kCannotStart});
}

} // namespace
} // namespace tw::test
