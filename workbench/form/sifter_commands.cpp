// The face's commands over the ROM table: loading and saving it, the
// disassembly pass and the purge, each with its dialogs, the busy mark and the
// grids detached while it works, and the window serving its events meanwhile.
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

#include "workbench/disassembler.h"
#include "workbench/form/dialogs.h"
#include "workbench/form/grid_model.h"
#include "workbench/form/key_label.h"
#include "workbench/form/sifter_window.h"
#include "workbench/form/texts.h"
#include "workbench/hex.h"
#include "workbench/listing.h"
#include "workbench/workbench.h"

namespace {

// Serves the window's events at its first call and then whenever some time
// has passed: often enough to keep it responsive, seldom enough to cost little.
class EventPump {
public:
    void operator()() {
        if (clock_.isValid() && clock_.elapsed() < 25) return;
        QCoreApplication::processEvents();
        clock_.start();
    }

private:
    QElapsedTimer clock_;
};

// The hourglass for as long as it lives.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(name.toStdString()); }

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

// A start address as the load asks for it: hexadecimal, 0000 to FFFF.
bool IsAddress(const QString& text) {
    const auto value = ParseHex(Latin1(text));
    return value && *value <= 0xFFFF;
}

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

void SifterWindow::Report(const std::string& message) {
    if (!message.empty()) dialogs_.Error(QString::fromStdString(message));
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
    rom_model_->Detach();
    wb_.rom.Clear();
    rom_model_->Attach();
    SetSaveEnabled(false);
}

void SifterWindow::LoadRomImage() {
    if (busy_) return;
    // No empties the table only once a file is chosen and open, so that
    // cancelling a later dialog keeps the listing.
    const bool keep = wb_.rom.empty() || dialogs_.Confirm(texts::kKeepRom);
    Long([&] {
        SetGoVisible(true);
        DetachGrids();
        const auto answer = dialogs_.AskText(texts::kLoadRomTitle, texts::kStartPrompt, texts::kAddressInitial);
        if (!answer) return;
        if (!IsAddress(*answer)) {
            dialogs_.Error(texts::kInvalidAddress);
            return;
        }
        const QString file = dialogs_.OpenFileName(texts::kRomFilter);
        if (file.isEmpty()) return;
        Hourglass hourglass;
        EventPump pump;
        const RomLoadResult result = ::LoadRomImage(wb_, PathOf(file), Latin1(*answer), keep, [&](size_t, size_t) {
            pump();
            return true;
        });
        Report(result.error);
        if (!result.note.empty()) dialogs_.Inform(QString::fromStdString(result.note));
    });
}

void SifterWindow::LoadSource() {
    Long([&] {
        rom_model_->Detach();
        const QString file = dialogs_.OpenFileName(texts::kAsmFilter);
        if (file.isEmpty()) return;
        Hourglass hourglass;
        Report(::LoadSource(wb_, PathOf(file)));
    });
}

void SifterWindow::SaveSource() {
    Long([&] {
        const QString file = dialogs_.SaveFileName(texts::kAsmFilter);
        if (file.isEmpty()) return;
        Report(::SaveSource(wb_, WithExtension(file.toStdString(), ".ASM")));
    });
}

void SifterWindow::SaveText() {
    Long([&] {
        rom_model_->Detach();
        const QString file = dialogs_.SaveFileName(texts::kTxtFilter);
        if (file.isEmpty()) return;
        Report(SaveListing(wb_, WithExtension(file.toStdString(), ".TXT")));
    });
}

void SifterWindow::Disassemble() {
    Long([&] {
        const Dialect dialect = dialogs_.Confirm(texts::kUsePseudoZ80) ? Dialect::PseudoZ80 : Dialect::LH5801;
        Hourglass hourglass;
        DetachGrids();
        DisassemblyPass pass(wb_, dialect, Latin1(start_input_->text()), Latin1(end_input_->text()));
        EventPump pump;
        while (pass.Step(64)) {
            pump();
            pass.SetEnd(Latin1(end_input_->text()));  // the user may move the end meanwhile
        }
        if (pass.instructions() > 0) SetSaveEnabled(true);
        Report(pass.error());
    });
}

void SifterWindow::Purge() {
    Long([&] {
        rom_model_->Detach();
        Report(::Purge(wb_).error);
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
    for (const std::string& message : SaveModifiedTableFiles(wb_, table_dir_)) Report(message);
    event->accept();
}
