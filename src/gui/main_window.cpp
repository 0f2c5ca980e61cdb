#include "gui/main_window.h"

#include "core/editor/editor.h"
#include "gui/about_box.h"
#include "gui/animation_view.h"
#include "gui/art/artwork.h"
#include "gui/art/layout.h"
#include "gui/computer_keys.h"
#include "gui/controls_adapter.h"
#include "gui/event_loop_clock.h"
#include "gui/file_dialogs.h"
#include "gui/focus_mark.h"
#include "gui/help_services.h"
#include "gui/menu_bar.h"
#include "gui/message_boxes.h"
#include "gui/score_list_adapter.h"
#include "gui/score_list_widget.h"
#include "gui/sending_window.h"
#include "gui/silent_midi_out.h"
#include "gui/window_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShowEvent>

namespace tw::gui {

//! The ports that only the window itself can give: they sit on its widgets.
struct MainWindow::Adapters {
    Adapters(const WindowWidgets& widgets, std::function<void()> endApplication)
        : list(*widgets.lstScore),
          controls(widgets, std::move(endApplication)),
          animation(*widgets.imgAnime, *widgets.imgFall)
    {
    }

    ScoreListAdapter list;
    ControlsAdapter controls;
    EventLoopClock clock;
    AnimationView animation;
};

namespace {

template <typename Port, typename Default, typename... Args>
void fillIn(std::unique_ptr<Port>& service, Args&&... args)
{
    if (!service)
        service = std::make_unique<Default>(std::forward<Args>(args)...);
}

//! The client area. Its background picture is the costliest of all to paint and
//! nobody sees it before the splash has gone, so it is taken when the area is
//! first shown rather than while the program starts (start-up draws it into the
//! picture cache while the splash is on screen).
class Client final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!hasBackground_) {
            QPalette backdrop = palette();
            backdrop.setBrush(QPalette::Window, art::background());
            setPalette(backdrop);
            hasBackground_ = true;
        }
        QWidget::showEvent(event);
    }

private:
    bool hasBackground_ = false;
};

//! The client area with every control at its place.
QWidget* buildClient(QWidget& window, WindowWidgets& widgets)
{
    auto* client = new Client(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(layout::kClientSize);
    QPalette palette = client->palette();
    // Selections in the artwork's walnut and cream rather than the desktop's blue.
    palette.setColor(QPalette::Highlight, QColor(0x6e, 0x45, 0x28));
    palette.setColor(QPalette::HighlightedText, QColor(0xf7, 0xef, 0xdc));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    widgets.client = client;

    buildDocumentControls(*client, widgets);
    buildEntryButtons(*client, widgets);
    buildToolImages(*client, widgets);
    buildDecoration(*client, widgets);
    new FocusMark(*client);
    return client;
}

} // namespace

MainWindow::MainWindow(Services services) : services_(std::move(services))
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(kAppTitle);
    setCentralWidget(buildClient(*this, widgets_));
    buildMenuBar(*menuBar(), widgets_);
    showToolKeys(widgets_);
    installComputerKeys(widgets_, *this);
    // The layout is fixed: the window is exactly the menu bar and the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    fillIn<MidiOutPort, SilentMidiOut>(services_.midi);
    fillIn<MessageBoxPort, MessageBoxes>(services_.messages);
    fillIn<FileDialogPort, FileDialogs>(services_.dialogs, this);
    fillIn<TransferPort, TransferServices>(services_.transfer, this);
    fillIn<HelpPort, HelpServices>(services_.help, this);
    adapters_ = std::make_unique<Adapters>(widgets_, [this] { endApplication(); });

    editor_ = std::make_unique<Editor>(Ports{
        adapters_->list, adapters_->controls, *services_.messages, *services_.midi, adapters_->clock,
        *services_.dialogs, *services_.transfer, *services_.help, adapters_->animation});

    connectDocumentControls(widgets_, *editor_);
    connectEntryButtons(widgets_, *editor_);
    connectToolImages(widgets_, *editor_);
    connectDecoration(widgets_, *editor_);
    connectMenuBar(widgets_, *editor_);
    connect(&adapters_->animation, &AnimationView::animeTick, this, [this] { editor_->timerAnime_Timer(); });
    connect(&adapters_->animation, &AnimationView::fallTick, this, [this] { editor_->timerFall_Timer(); });
}

// The editor goes first: it holds references into the adapters and services.
MainWindow::~MainWindow() { editor_.reset(); }

void MainWindow::load() { editor_->Form_Load(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!ending_ && editor_->Form_Unload() == Closing::Refused) {
        event->ignore();
        return;
    }
    endApplication();
    event->accept();
}

void MainWindow::endApplication()
{
    if (std::exchange(ending_, true))
        return;
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace tw::gui
