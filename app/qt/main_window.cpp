#include "app/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

#include "app/menu.h"
#include "app/qt/picture_dialog.h"
#include "app/qt/skin_view.h"
#include "host/surface.h"

namespace {

constexpr int kFrameMilliseconds = 16;  // up to 60 frames a second

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MainWindow::MainWindow(EmulatorOptions options)
    : emulator_(*this, std::move(options)), view_(new SkinView(emulator_, this)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setCentralWidget(view_);
    BuildMenuBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    view_->setFocus();
    connect(&secondTimer_, &QTimer::timeout, this, [this] { emulator_.SecondTick(); });
    connect(&frameTimer_, &QTimer::timeout, this, [this] { Frame(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenuBar() {
    for (const MenuPopup& popup : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Text(popup.title));
        for (const MenuItem& item : popup.items) {
            if (item.id == kMenuSeparator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Text(item.text));
            const int id = item.id;
            // Marks change only through CheckMenuItem: undo Qt's own toggle.
            connect(action, &QAction::triggered, this, [this, action, id](bool checked) {
                if (action->isCheckable()) action->setChecked(!checked);
                emulator_.Command(id);
            });
            actions_[id] = action;
        }
    }
}

bool MainWindow::Start() {
    if (!emulator_.Start()) return false;
    frameTimer_.start(kFrameMilliseconds);
    view_->update();
    return true;
}

QAction* MainWindow::Action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::Frame() {
    emulator_.Poll();
    if (SurfaceTakeDirty()) view_->update();
}

void MainWindow::ShowMessage(const Message& message) {
    if (messageHook) return messageHook(message);
    QMessageBox box(IconOf(message.icon), message.caption.empty() ? QStringLiteral("Erreur") : Text(message.caption),
                    Text(message.text),
                    message.buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    message.owned ? this : nullptr);
    box.exec();
}

void MainWindow::CheckMenuItem(int id, bool checked) {
    if (QAction* action = Action(id)) {
        action->setCheckable(checked || action->isChecked());
        action->setChecked(checked);
        if (!checked) action->setCheckable(false);
    }
}

void MainWindow::EnableMenuItem(int id, bool enabled) {
    if (QAction* action = Action(id)) action->setEnabled(enabled);
}

bool MainWindow::IsMenuItemChecked(int id) const {
    const QAction* action = Action(id);
    return action && action->isChecked();
}

void MainWindow::SetTitle(const std::string& title) { setWindowTitle(Text(title)); }

void MainWindow::ShowDialog(int id) {
    if (dialogHook) return dialogHook(id);
    PictureDialog dialog(id, this);
    dialog.exec();
}

void MainWindow::StartSecondTimer() { secondTimer_.start(1000); }

void MainWindow::Quit() {
    secondTimer_.stop();
    frameTimer_.stop();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emulator_.Shutdown();
    event->accept();
}
