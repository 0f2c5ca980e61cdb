// Import and MIDI export in the window: around the file they behave as Open and Save do; the
// rows are the import's fitting, and the export plays back as the same rows.

#include "codecs/midi/midi_file_writer.h"
#include "core/message_catalogue.h"
#include "file_fixture.h"
#include "import/melody_import.h"

namespace tw::test {
namespace {

const QByteArray kRingtone = "Scale:d=4,o=5,b=120:c,8d,p,2e,16f,g.,32p,1c6";

class ImportExport : public FileFixture {
protected:
    void importPath(const QString& answer)
    {
        dialogs.openAnswers.push_back(answer);
        editor.mnuImport_Click();
    }
    void exportAs(const QString& answer)
    {
        dialogs.saveAnswers.push_back(answer);
        editor.mnuExportMidi_Click();
    }
};

TEST_F(ImportExport, AnImportedTuneIsANewUnsavedMelodyWithTheFittingReportLast)
{
    writeFile(path("scale.txt"), kRingtone);
    importPath(path("scale.txt"));

    const auto expected = importMelody(kRingtone);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(rows(), expected->fitted.rows);
    EXPECT_EQ(TempoItems[std::size_t(controls.tempoIndex())].bpm, expected->fitted.tempo);
    EXPECT_EQ(controls.titleText(), QStringLiteral("Scale"));
    EXPECT_EQ(editor.FilePath(), kUntitled) << "the melody belongs to no file yet";
    EXPECT_FALSE(editor.Saved());
    EXPECT_EQ(editor.CurrentRow(), 1);
    EXPECT_EQ(messages.shown(), std::vector<Message>{msg::importReport(*expected)});
    EXPECT_EQ(commandStates(), "Insert Delete Copy Play Tempo Send Open Save Exit New");
}

TEST_F(ImportExport, AFileThatIsNoTuneOrACancelLeavesTheDocumentAsItWas)
{
    enterThreeRows();
    const auto before = document();
    writeFile(path("noise.mid"), QByteArray("MThd\0\0\0\6\0\1\0\1", 12));

    importPath(path("noise.mid"));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, msg::kDiscardQuestion);
    EXPECT_EQ(messages.shown()[1].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.shown()[1].text.startsWith(QStringLiteral("インポートできません。\r\n") + path("noise.mid")));
    EXPECT_EQ(document(), before);

    messages.takeShown();
    messages.answerNext(MessageAnswer::Cancel);
    writeFile(path("scale.txt"), kRingtone);
    importPath(path("scale.txt"));
    EXPECT_EQ(document(), before) << "Cancel on the question keeps the unsaved melody";
}

TEST_F(ImportExport, TheExportPlaysBackAsTheSameRowsAtTheSameTempoInTheChosenTone)
{
    enterNote(12, 4);
    enterRest(2);
    enterNote(29, 7);
    enterNote(5, 0);
    chooseTempo(4);
    typeTitle(QStringLiteral("歌"));
    editor.mnuTone_Click(2);

    exportAs(path("song"));
    EXPECT_EQ(dialogs.saveShown.back().filter, QStringLiteral("MIDI (*.mid)"));
    EXPECT_EQ(dialogs.saveShown.back().initialName, QStringLiteral("歌"));
    const QByteArray written = contentOf(path("song.mid"));
    EXPECT_EQ(written, midiFileBytes(QStringLiteral("歌"), 180, TonePrograms[2], rows()));
    EXPECT_FALSE(editor.Saved()) << "an export is no save of the melody";

    const auto back = importMelody(written);
    ASSERT_TRUE(back.has_value()) << back.error().toStdString();
    EXPECT_EQ(back->fitted.rows, rows());
    EXPECT_EQ(back->fitted.tempo, 180);
}

TEST_F(ImportExport, AnEmptyScoreIsNotExportedAndAnOverwriteIsAsked)
{
    editor.mnuExportMidi_Click();
    EXPECT_EQ(messages.shown(), (std::vector<Message>{{msg::kNoData, MessageIcon::Error}}));
    EXPECT_TRUE(dialogs.saveShown.empty());

    enterNote(12, 4);
    writeFile(path("old.mid"), "old");
    messages.takeShown();
    messages.answerNext(MessageAnswer::Cancel);
    exportAs(path("old.mid"));
    EXPECT_EQ(messages.texts(), QStringList{msg::kOverwriteQuestion});
    EXPECT_EQ(contentOf(path("old.mid")), "old");
}

} // namespace
} // namespace tw::test
