// Sifter's window: the face of a pocket computer with its switch keys, its
// commands, the display strip and the three panels of grids, and the bottom
// row of search and range fields. The form state is the mode (0 off, 1 CPU
// language, 2 ROM source, 3 Ram addresses); the tables live in the Workbench.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <filesystem>

struct Workbench;
class Dialogs;
class GridModel;
class GridView;
class KeyLabel;
class QLabel;
class QLineEdit;

class SifterWindow : public QWidget {
    Q_OBJECT
public:
    // Loads the three table files from `tableDir`, reporting each that fails;
    // closing saves the modified ones there.
    SifterWindow(Workbench& wb, std::filesystem::path tableDir, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SifterWindow() override;

    int mode() const { return mode_; }
    bool busy() const { return busy_; }

    // The face's commands, as their labels run them.
    void SwitchOn();
    void NextMode();
    void Clear();
    void LoadRomImage();
    void LoadSource();
    void SaveSource();
    void SaveText();
    void Disassemble();
    void Purge();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFace();
    void BuildStrip();
    void BuildPanels();
    void BuildBottomRow();
    void ConnectCommands();
    void ShowMode();
    void FindAddress(const QString& text);
    void FindLabel(const QString& text);
    void SetSaveEnabled(bool enabled);
    void SetGoVisible(bool visible);
    void SetBusy(bool busy);
    void Report(const std::string& message);
    void DetachGrids();
    void AttachGrids();
    // Runs `body` with the busy mark shown and the grids detached; refuses to
    // start while another long command runs.
    template <typename Body>
    void Long(Body body);

    Workbench& wb_;
    std::filesystem::path table_dir_;
    Dialogs& dialogs_;
    QPixmap face_;
    int mode_ = 0;
    bool busy_ = false;
    bool close_pending_ = false;

    KeyLabel *on_, *off_, *clear_, *mode_key_;
    KeyLabel *load_rom_, *load_source_, *save_source_, *save_text_;
    KeyLabel *go_, *purge_;
    QLabel *label_caption_, *addr_caption_, *from_caption_, *to_caption_, *disass_caption_, *clean_caption_;
    QLineEdit *label_input_, *addr_input_, *start_input_, *end_input_;
    QWidget* strip_;
    QLabel *cpu_indicator_, *rom_indicator_, *address_indicator_, *busy_mark_;
    QWidget *cpu_panel_, *rom_panel_, *addr_panel_;
    GridModel *mnemo_model_, *rom_model_, *addr_model_, *sbr_model_;
    GridView *mnemo_grid_, *rom_grid_, *addr_grid_, *sbr_grid_;
};
