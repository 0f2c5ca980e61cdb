#pragma once
// The score list `lstScore` as a widget.

#include <QListWidget>

namespace tw::gui {

//! A list with extended selection whose items are row texts. The items keep
//! their trailing CR LF (the editor wrote it and may read it back) but it is
//! not drawn. Typed characters do nothing; the arrow keys move the selection;
//! Enter is a click on the caret row.
class ScoreListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ScoreListWidget(QWidget* parent = nullptr);

    //! Typed text and input-method commits would jump to a matching item and
    //! move the selection behind the editor's back.
    void keyboardSearch(const QString&) override {}

signals:
    //! After the list has processed a mouse release, so its caret and
    //! selection already show the click; or Enter, the left button released
    //! on the caret row that the keys have selected.
    void released(int button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tw::gui
