#pragma once
// The editor with its fakes and a folder of real files: the dialogs answer with paths in the
// folder, and the commands read and write there.

#include "codecs/files/cp932.h"
#include "support/editor_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace tw::test {

//! Creates or replaces a file with these bytes.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

//! The names in a folder, hidden ones included: a save leaves no stray temporary file.
inline QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

inline QByteArray sjis(const QString& text) { return cp932::encode(text); }

class FileFixture : public EditorFixture {
protected:
    void TearDown() override
    {
        // Tests take permissions away; the folder must be removable again.
        QDirIterator it(folder_.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        QFile(folder_.path()).setPermissions(kOwnerAll);
        while (it.hasNext())
            QFile(it.next()).setPermissions(kOwnerAll);
    }

    QString folder() const { return folder_.path(); }
    QString path(const QString& name) const { return folder_.filePath(name); }

    //! The save command from the menu, the dialog answering `answer` ("" cancels).
    void saveAs(const QString& answer)
    {
        dialogs.saveAnswers.push_back(answer);
        editor.mnuSave_Click();
    }

    //! The open command from the menu, the dialog answering `answer` ("" cancels).
    void openPath(const QString& answer)
    {
        dialogs.openAnswers.push_back(answer);
        editor.mnuOpen_Click();
    }

    //! A melody of three rows as the user makes it: a dotted quarter C of octave 4 and a
    //! quarter rest, then an empty row inserted between them, which stays the current row.
    void enterThreeRows()
    {
        enterNote(12, 4);
        enterRest(2);
        clickRow(2);
        editor.mnuInsert_Click();
    }

    //! Everything of the document a failed or refused command must leave alone.
    struct Document {
        std::vector<RowCode> rows;
        QString title;
        int tempoIndex;
        bool saved;
        std::string states;
        QStringList listTexts;
        friend bool operator==(const Document&, const Document&) = default;
        friend void PrintTo(const Document& d, std::ostream* os)
        {
            *os << d.rows.size() << " rows, title ";
            PrintTo(d.title, os);
            *os << ", tempo " << d.tempoIndex << (d.saved ? ", saved, " : ", modified, ") << d.states;
        }
    };
    Document document() const
    {
        return {rows(), controls.titleText(), controls.tempoIndex(), editor.Saved(),
                commandStates(), list.texts()};
    }

private:
    static constexpr QFileDevice::Permissions kOwnerAll =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

    QTemporaryDir folder_;
};

} // namespace tw::test
