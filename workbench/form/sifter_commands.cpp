// The long commands of the face: loading and saving the ROM table, the
// disassembly pass and the purge, each with its dialogs, the busy mark and
// the grids detached while it works.
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>

#include "workbench/form/bench.h"
#include "workbench/form/dialogs.h"
#include "workbench/form/grid_model.h"
#include "workbench/form/grid_view.h"
#include "workbench/form/key_label.h"
#include "workbench/form/sifter_window.h"
#include "workbench/form/texts.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// A hexadecimal address 0000-FFFF, or nothing.
std::optional<unsigned> ParseAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4) return std::nullopt;
    bool ok = false;
    const unsigned value = trimmed.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return value;
}

// Serves the window's events now and then while a long command works, often
// enough to keep it responsive and seldom enough to cost little.
Breathe EventPump() {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return [clock] {
        if (clock->elapsed() < 30) return;
        QCoreApplication::processEvents();
        clock->restart();
    };
}

// The hourglass for as long as it lives.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

template <typename Body>
void SifterWindow::Long(Body body) {
    if (busy_) return;  // one long command at a time; clicks meanwhile do nothing
    SetBusy(true);
    body();
    AttachGrids();
    SetBusy(false);
    if (close_pending_) close();
}

void SifterWindow::SetBusy(bool busy) {
    busy_ = busy;
    busy_mark_->setVisible(busy);
}

void SifterWindow::DetachGrids() {
    for (GridModel* model : {rom_model_, mnemo_model_, addr_model_}) model->Detach();
}

void SifterWindow::AttachGrids() {
    for (GridModel* model : {rom_model_, mnemo_model_, addr_model_})
        if (!model->attached()) model->Attach();
}

void SifterWindow::Clear() {
    if (busy_) return;
    bench_.ClearRom();
    rom_model_->Attach();
    SetSaveEnabled(false);
}

void SifterWindow::LoadRomImage() {
    // Emptying the table waits until a file is chosen, so that cancelling
    // any of the dialogs keeps the listing.
    const bool keep = bench_.RomEmpty() || dialogs_.Confirm(texts::kKeepRom);
    Long([&] {
        SetGoVisible(true);
        DetachGrids();
        const auto answer = dialogs_.AskText(texts::kLoadRomTitle, texts::kStartPrompt, texts::kAddressInitial);
        if (!answer) return;
        const auto start = ParseAddress(*answer);
        if (!start) {
            dialogs_.Error(texts::kInvalidAddress);
            return;
        }
        const QString path = dialogs_.OpenFileName(texts::kRomFilter);
        if (path.isEmpty()) return;
        Hourglass hourglass;
        if (const auto note = bench_.LoadRomImage(path.toStdString(), *start, keep, EventPump()))
            dialogs_.Error(FromStd(*note));
    });
}

void SifterWindow::LoadSource() {
    Long([&] {
        rom_model_->Detach();
        const QString path = dialogs_.OpenFileName(texts::kAsmFilter);
        if (path.isEmpty()) return;
        Hourglass hourglass;
        if (const auto failure = bench_.LoadSource(path.toStdString())) dialogs_.Error(FromStd(*failure));
    });
}

void SifterWindow::SaveSource() {
    Long([&] {
        const QString path = dialogs_.SaveFileName(texts::kAsmFilter);
        if (path.isEmpty()) return;
        if (const auto failure = bench_.SaveSource(path.toStdString())) dialogs_.Error(FromStd(*failure));
    });
}

void SifterWindow::SaveText() {
    Long([&] {
        rom_model_->Detach();
        const QString path = dialogs_.SaveFileName(texts::kTxtFilter);
        if (path.isEmpty()) return;
        if (const auto failure = bench_.SaveText(path.toStdString())) dialogs_.Error(FromStd(*failure));
    });
}

void SifterWindow::Disassemble() {
    Long([&] {
        const Dialect dialect = dialogs_.Confirm(texts::kUsePseudoZ80) ? Dialect::PseudoZ80 : Dialect::LH5801;
        Hourglass hourglass;
        DetachGrids();
        for (QLineEdit* field : {start_input_, end_input_}) {
            if (!ParseAddress(field->text())) {
                dialogs_.Error(QStringLiteral("%1 %2").arg(texts::kInvalidAddress, field->text()));
                return;
            }
        }
        const unsigned start = *ParseAddress(start_input_->text());
        const unsigned end = *ParseAddress(end_input_->text());
        if (bench_.Pass(start, end, dialect, EventPump())) SetSaveEnabled(true);
    });
}

void SifterWindow::Purge() {
    Long([&] {
        rom_model_->Detach();
        bench_.Purge();
        SetGoVisible(false);
    });
}

void SifterWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // A long command is serving events; the window closes when it ends.
        close_pending_ = true;
        event->ignore();
        return;
    }
    if (const auto failure = bench_.SaveModifiedTables()) dialogs_.Error(FromStd(*failure));
    event->accept();
}
