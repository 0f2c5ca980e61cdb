#pragma once
// Drives the modal file dialogs of a test as a user would: once a dialog is shown, its file
// name field is filled in and the dialog accepted (a shown QFileDialog ignores selectFile).

#include "gui/japanese_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace tw::test {

//! One application for the whole run, speaking Japanese as the program does, never destroyed
//! (Qt's clean-up among the exit handlers is not safe).
inline QApplication& application()
{
    static int argc = 1;
    static char name[] = "tunewright-test";
    static char* argv[] = {name, nullptr};
    static auto* app = [] {
        auto* made = new QApplication(argc, argv);
        gui::useJapaneseQt(*made);
        return made;
    }();
    return *app;
}

//! What the dialog showed when it came up.
struct Shown {
    QStringList filters;
    QString folder;
    QString name;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    bool questionAsked = false;  //!< a message box came up over the dialog
};

//! Once the next file dialog is shown, notes what it shows and runs `act` on it; a message
//! box that comes up over it is noted and closed, so no test can hang on one.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(QFileDialog&)> act) : act_(std::move(act))
    {
        // A timer of its own: one left over must not fire into the next test's dialog.
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }

    const Shown& shown() const { return shown_; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown_.questionAsked = true;
            box->reject();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !acted_) {
            acted_ = true;
            shown_.filters = dialog->nameFilters();
            shown_.folder = dialog->directory().absolutePath();
            shown_.name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            shown_.fileMode = dialog->fileMode();
            act_(*dialog);
        }
        // Until the dialog has come and gone; a dialog that never does fails the test, not hangs it.
        if ((acted_ && !modal) || ++polls_ >= kMaxPolls) {
            timer_.stop();
            if (modal)
                modal->close();
        }
    }

    static constexpr int kMaxPolls = 500;
    std::function<void(QFileDialog&)> act_;
    QTimer timer_;
    Shown shown_;
    bool acted_ = false;
    int polls_ = 0;
};

//! Types a name into the dialog's name field and confirms it.
inline std::function<void(QFileDialog&)> choose(const QString& name)
{
    return [name](QFileDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
    };
}

inline void cancel(QFileDialog& dialog) { QMetaObject::invokeMethod(&dialog, "reject", Qt::QueuedConnection); }

} // namespace tw::test
