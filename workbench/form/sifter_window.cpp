#include "workbench/form/sifter_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

#include <tuple>

#include "workbench/art/face_colours.h"
#include "workbench/art/face_layout.h"
#include "workbench/form/dialogs.h"
#include "workbench/form/face_picture.h"
#include "workbench/form/grid_model.h"
#include "workbench/form/grid_view.h"
#include "workbench/form/key_label.h"
#include "workbench/form/texts.h"
#include "workbench/workbench.h"

namespace {

QRect RectOf(face::Box b) { return QRect(b.x, b.y, b.width, b.height); }

QString Css(uint32_t rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

// Turns whatever is typed into upper case.
class UpperCase : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

// The face's look: keys, captions, fields and the strip.
QString FaceStyle() {
    // Every selector names a face control, so the dialogs the window owns keep
    // the ordinary look.
    return QStringLiteral(
               "KeyLabel { color: %1; background: transparent; font-weight: bold; }"
               "KeyLabel:disabled { color: %2; }"
               "QLabel[caption=\"true\"] { color: %3; background: transparent; }"
               "QLineEdit[face=\"true\"] { color: %4; background: %5; border: none; padding: 0 3px;"
               "  selection-color: #BCBDA6; selection-background-color: #5E5C51; }"
               "QWidget#P_Top { background: %6; }"
               "QWidget#P_Top QLabel { color: %7; background: transparent; font-weight: bold; }"
               "QWidget#P_Top QLabel#LBL_Busy { color: %8; }")
        .arg(Css(face::kKeyText), Css(face::kKeyTextOff), Css(face::kCaption), Css(face::kFieldText),
             Css(face::kGlassColour), Css(face::kStripColour), Css(face::kStripText), Css(face::kBusyText));
}

}  // namespace

SifterWindow::SifterWindow(Workbench& wb, std::filesystem::path tableDir, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), wb_(wb), table_dir_(std::move(tableDir)), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("%1 %2").arg(texts::kProgram, SIFTER_VERSION));
    setFixedSize(face::kWidth, face::kHeight);
    setFont(FaceFont());
    face_ = QPixmap::fromImage(FacePicture());
    setStyleSheet(FaceStyle());
    for (const std::string& message : LoadTableFiles(wb_, table_dir_)) Report(message);
    BuildFace();
    BuildStrip();
    BuildPanels();
    BuildBottomRow();
    ConnectCommands();
    ShowMode();
}

SifterWindow::~SifterWindow() = default;

void SifterWindow::BuildFace() {
    auto key = [this](const char* name, const char* text, face::Box box, const char* hint) {
        auto* label = new KeyLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(RectOf(box));
        if (hint) label->setToolTip(QString::fromUtf8(hint));
        return label;
    };
    on_ = key("Label1", texts::kOn, face::kOn, nullptr);
    off_ = key("Label2", texts::kOff, face::kOff, nullptr);
    clear_ = key("Label5", texts::kClear, face::kClear, nullptr);
    mode_key_ = key("Label12", texts::kMode, face::kMode, texts::kModeHint);
    load_rom_ = key("B_LoadRomImage", texts::kRom, face::kLoadRom, texts::kLoadRomHint);
    load_source_ = key("B_LoadRomSource", texts::kSource, face::kLoadSource, texts::kLoadSourceHint);
    save_source_ = key("B_SaveRomSource", texts::kSource, face::kSaveSource, texts::kSaveSourceHint);
    save_text_ = key("B_SaveToText", texts::kText, face::kSaveText, texts::kSaveTextHint);
    go_ = key("B_Go", texts::kGo, face::kGoKey, texts::kGoHint);
    purge_ = key("B_Purge", texts::kGo, face::kPurgeKey, texts::kPurgeHint);
    for (auto [name, text, box] : {std::tuple{"LBL_Load", texts::kLoad, face::kLoadCaption},
                                   std::tuple{"LBL_SaveAs", texts::kSaveAs, face::kSaveCaption}}) {
        auto* caption = new QLabel(QString::fromUtf8(text), this);
        caption->setObjectName(QString::fromUtf8(name));
        caption->setProperty("caption", true);
        caption->setGeometry(RectOf(box));
    }
    for (KeyLabel* command : {load_rom_, load_source_, save_source_, save_text_}) command->setEnabled(false);
}

void SifterWindow::BuildStrip() {
    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("P_Top"));
    strip_->setAttribute(Qt::WA_StyledBackground);
    strip_->setGeometry(RectOf(face::kStrip));
    auto mark = [this](const char* name, const char* text, face::Box box) {
        auto* label = new QLabel(QString::fromUtf8(text), strip_);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(RectOf(box));
        return label;
    };
    cpu_indicator_ = mark("LBL_CPU", texts::kCpuIndicator, face::kIndicatorCpu);
    rom_indicator_ = mark("LBL_ROM", texts::kRomIndicator, face::kIndicatorRom);
    address_indicator_ = mark("LBL_ADDRESS", texts::kAddressIndicator, face::kIndicatorAddress);
    busy_mark_ = mark("LBL_Busy", texts::kBusy, face::kBusyMark);
    busy_mark_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    busy_mark_->hide();
    strip_->hide();
}

void SifterWindow::BuildPanels() {
    auto panel = [this](const char* name) {
        auto* widget = new QWidget(this);
        widget->setObjectName(QString::fromUtf8(name));
        widget->setGeometry(RectOf(face::kPanels));
        auto* layout = new QHBoxLayout(widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        return widget;
    };
    auto grid = [this](Table& table, GridModel*& model, const char* name, QWidget* owner) {
        model = new GridModel(table, this);
        auto* view = new GridView(*model, dialogs_, owner);
        view->setObjectName(QString::fromUtf8(name));
        owner->layout()->addWidget(view);
        return view;
    };
    cpu_panel_ = panel("P_CPU");
    mnemo_grid_ = grid(wb_.mnemo, mnemo_model_, "DBGridMnemo", cpu_panel_);
    sbr_grid_ = grid(wb_.sbr, sbr_model_, "DBGridSbr", cpu_panel_);
    // The mnemonic grid takes what its columns need; the parameter grid the rest.
    mnemo_grid_->setFixedWidth(mnemo_grid_->ColumnsWidth() + GridView::kScrollBarWidth);
    sbr_grid_->horizontalHeader()->setStretchLastSection(true);
    rom_panel_ = panel("P_ROM");
    rom_grid_ = grid(wb_.rom, rom_model_, "DBGridRom", rom_panel_);
    addr_panel_ = panel("P_Addr");
    addr_grid_ = grid(wb_.addr, addr_model_, "DBGridAddr", addr_panel_);
}

void SifterWindow::BuildBottomRow() {
    auto caption = [this](const char* name, const char* text, face::Box field) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString::fromUtf8(name));
        label->setProperty("caption", true);
        label->setGeometry(RectOf(face::CaptionAbove(field)));
        return label;
    };
    auto input = [this](const char* name, const char* initial, face::Box box, const char* hint, int maxLength) {
        auto* edit = new QLineEdit(QString::fromUtf8(initial), this);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setProperty("face", true);
        edit->setGeometry(RectOf(box));
        edit->setToolTip(QString::fromUtf8(hint));
        edit->setValidator(new UpperCase(edit));
        if (maxLength > 0) edit->setMaxLength(maxLength);
        return edit;
    };
    label_caption_ = caption("LBL_Label", texts::kLabelCaption, face::kLabelInput);
    addr_caption_ = caption("LBL_Addr", texts::kAddrCaption, face::kAddrInput);
    from_caption_ = caption("LBL_From", texts::kFromCaption, face::kFromInput);
    to_caption_ = caption("LBL_To", texts::kToCaption, face::kToInput);
    disass_caption_ = caption("LBL_Disass", texts::kDisassCaption, face::kGoKey);
    clean_caption_ = caption("LBL_Clean", texts::kCleanCaption, face::kPurgeKey);
    label_input_ = input("E_Label", texts::kLabelInitial, face::kLabelInput, texts::kLabelHint, 0);
    addr_input_ = input("E_Addr", texts::kAddressInitial, face::kAddrInput, texts::kAddrHint, 0);
    start_input_ = input("E_Start", texts::kAddressInitial, face::kFromInput, texts::kStartHint, 4);
    end_input_ = input("E_End", texts::kAddressInitial, face::kToInput, texts::kEndHint, 4);
}

void SifterWindow::ConnectCommands() {
    connect(on_, &KeyLabel::clicked, this, &SifterWindow::SwitchOn);
    connect(off_, &KeyLabel::clicked, this, &QWidget::close);
    connect(clear_, &KeyLabel::clicked, this, &SifterWindow::Clear);
    connect(mode_key_, &KeyLabel::clicked, this, &SifterWindow::NextMode);
    connect(load_rom_, &KeyLabel::clicked, this, &SifterWindow::LoadRomImage);
    connect(load_source_, &KeyLabel::clicked, this, &SifterWindow::LoadSource);
    connect(save_source_, &KeyLabel::clicked, this, &SifterWindow::SaveSource);
    connect(save_text_, &KeyLabel::clicked, this, &SifterWindow::SaveText);
    connect(go_, &KeyLabel::clicked, this, &SifterWindow::Disassemble);
    connect(purge_, &KeyLabel::clicked, this, &SifterWindow::Purge);
    connect(addr_input_, &QLineEdit::textChanged, this, &SifterWindow::FindAddress);
    connect(label_input_, &QLineEdit::textChanged, this, &SifterWindow::FindLabel);
}

void SifterWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (face_.isNull())
        painter.fillRect(rect(), QColor(face::kBody));
    else
        painter.drawPixmap(0, 0, face_);
}

// ---- Modes ----

void SifterWindow::SwitchOn() {
    ClearModifiedFlags(wb_);
    strip_->show();
    if (mode_ == 0) {
        mode_ = 1;
        NextMode();
    }
    load_rom_->setEnabled(true);
    load_source_->setEnabled(true);
}

void SifterWindow::NextMode() {
    if (mode_ == 0) return;
    mode_ = mode_ % 3 + 1;
    ShowMode();
}

void SifterWindow::ShowMode() {
    // What each mode shows: its indicator and panel, the search fields in 2
    // and 3, the range fields and GO keys in 2 only.
    const bool search = mode_ == 2 || mode_ == 3;
    const bool range = mode_ == 2;
    cpu_indicator_->setVisible(mode_ == 1);
    rom_indicator_->setVisible(mode_ == 2);
    address_indicator_->setVisible(mode_ == 3);
    cpu_panel_->setVisible(mode_ == 1);
    rom_panel_->setVisible(mode_ == 2);
    addr_panel_->setVisible(mode_ == 3);
    for (QWidget* w : std::initializer_list<QWidget*>{label_caption_, addr_caption_, label_input_, addr_input_})
        w->setVisible(search);
    for (QWidget* w : std::initializer_list<QWidget*>{from_caption_, to_caption_, disass_caption_, clean_caption_,
                                                      start_input_, end_input_})
        w->setVisible(range);
    SetGoVisible(range);
}

void SifterWindow::SetGoVisible(bool visible) {
    go_->setVisible(visible);
    purge_->setVisible(visible);
}

void SifterWindow::SetSaveEnabled(bool enabled) {
    save_source_->setEnabled(enabled);
    save_text_->setEnabled(enabled);
}

// ---- Searches ----

namespace {

// The row whose `field` holds exactly `text`, as a grid row (-1: none).
int FindRow(const Table& table, int field, const QString& text) {
    const size_t row = table.Find(field, text.toLatin1().toStdString());
    return row == Table::npos ? -1 : static_cast<int>(row);
}

}  // namespace

void SifterWindow::FindAddress(const QString& text) {
    if (text.isEmpty()) return;
    if (mode_ == 2) rom_grid_->SelectCell(FindRow(wb_.rom, RomField::ADDRESS, text), RomField::ADDRESS);
    if (mode_ == 3) addr_grid_->SelectCell(FindRow(wb_.addr, AddrField::ADDRESS, text), AddrField::ADDRESS);
}

void SifterWindow::FindLabel(const QString& text) {
    if (text.isEmpty()) return;
    if (mode_ == 2) rom_grid_->SelectCell(FindRow(wb_.rom, RomField::LABEL, text), RomField::LABEL);
    if (mode_ == 3) addr_grid_->SelectCell(FindRow(wb_.addr, AddrField::LABEL, text), AddrField::LABEL);
}
