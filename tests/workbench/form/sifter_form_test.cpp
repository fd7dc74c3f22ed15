// Sifter's window: start state, modes, searches, grids, commands and closing,
// driven through its labels and fields with the dialogs answered by a script.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

#include "tests/workbench/form/scripted_dialogs.h"
#include "workbench/form/face_picture.h"
#include "workbench/form/grid_view.h"
#include "workbench/form/key_label.h"
#include "workbench/form/sifter_window.h"
#include "workbench/workbench.h"

namespace {

std::string ReadAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// The three table files of a small workbench: a few opcodes in both
// dialects, two named addresses, one parameter pattern.
void WriteTables(const QString& dir) {
    WriteAll(dir + "/ASM1500.txt",
             "PAGE\tCODE\tMNEMO1\tMNEMO2\r\n"
             "\t8E\tJR C,+e\tBCH +e\r\n"
             "\tBE\tCALL pp\tSJP pp\r\n"
             "\t9A\tRET\tRTN\r\n"
             "\tCD\tSBR n\tVEJ (n)\r\n");
    WriteAll(dir + "/ASMADDR.txt",
             "LABEL\tADDRESS\tCOMMENT\r\n"
             "START\tC000\tEntry\r\n"
             "LOOP\tC007\tThe loop\r\n");
    WriteAll(dir + "/ASMSBR.txt", "CODE\tMNEMO\r\n2A\t,n\r\n");
}

// A workbench window over the tables of a fresh folder.
struct Fixture {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Workbench wb;
    std::unique_ptr<SifterWindow> window;

    // `before` runs on the folder before the window opens.
    explicit Fixture(void (*before)(const QString& dir) = nullptr) {
        WriteTables(dir.path());
        if (before) before(dir.path());
        window = std::make_unique<SifterWindow>(wb, dir.path().toStdString(), dialogs);
        window->show();
    }
    QString Path(const QString& name) const { return dir.path() + "/" + name; }
    template <typename T = QWidget>
    T* Find(const char* name) const {
        T* child = window->findChild<T*>(QString::fromUtf8(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
    bool Shown(const char* name) const { return Find(name)->isVisible(); }
    bool Usable(const char* name) const { return Find(name)->isVisible() && Find(name)->isEnabled(); }
    // Switches on and loads `bytes` as a ROM image at `start`.
    void LoadImage(const QByteArray& bytes, const QString& start) {
        const QString image = Path("image.rom");
        WriteAll(image, bytes.toStdString());
        dialogs.texts.push_back(start);
        dialogs.files.push_back(image);
        Click("B_LoadRomImage");
    }
    void Type(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    bool AnyModified() const {
        return wb.mnemo.modified() || wb.rom.modified() || wb.addr.modified() || wb.sbr.modified();
    }
    // The ROM grid's selected row, or -1.
    int SelectedRow(const char* grid) const {
        const auto rows = Find<GridView>(grid)->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
};

const char* const kCommands[] = {"Label1", "Label2", "Label5", "Label12", "B_LoadRomImage", "B_LoadRomSource",
                                 "B_SaveRomSource", "B_SaveToText", "B_Go", "B_Purge"};
const char* const kInputs[] = {"E_Label", "E_Addr", "E_Start", "E_End"};
const char* const kPanels[] = {"P_CPU", "P_ROM", "P_Addr"};
const char* const kIndicators[] = {"LBL_CPU", "LBL_ROM", "LBL_ADDRESS"};

}  // namespace

class SifterFormTest : public QObject {
    Q_OBJECT
private slots:
    void faceIsTheEmbeddedPicture();
    void startStateOffersOnlyTheSwitches();
    void missingTableFileIsReported();
    void captionsAndHints();
    void onLeadsToRomModeAndModeCycles();
    void visibilityFollowsTheMode_data();
    void visibilityFollowsTheMode();
    void clearDisablesTheSaveCommands();
    void searchSelectsOnlyAnExactMatch();
    void startAddressDialog();
    void gridsEditAndDeleteRows();
    void loadDisassembleAndSave();
    void passKeepsTheWindowResponsive();
    void closingSavesOnlyEditedTables();
    void closingReportsAFileThatCannotBeWritten();
};

void SifterFormTest::faceIsTheEmbeddedPicture() {
    // A baseline JFIF picture: the JFIF marker first, a baseline frame, no progressive one.
    const QByteArray jpeg = FaceJpeg();
    QVERIFY(jpeg.startsWith(QByteArray::fromHex("FFD8FFE000104A46494600")));
    QVERIFY(jpeg.contains(QByteArray::fromHex("FFC0")));
    QVERIFY(!jpeg.contains(QByteArray::fromHex("FFC2")));
    const QImage face = FacePicture();
    QCOMPARE(face.size(), QSize(755, 464));
    QVERIFY(DecodeJpeg(reinterpret_cast<const uint8_t*>("not a jpeg"), 10).isNull());
    // A cut-off picture decodes without ending the program.
    const QImage half = DecodeJpeg(reinterpret_cast<const uint8_t*>(jpeg.constData()), jpeg.size() / 2);
    QVERIFY(half.isNull() || half.size() == face.size());
    Fixture f;
    QCOMPARE(f.window->size(), QSize(755, 464));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QCOMPARE(f.window->windowTitle(), QString("Sifter " SIFTER_VERSION));
}

void SifterFormTest::startStateOffersOnlyTheSwitches() {
    Fixture f;
    QCOMPARE(f.window->mode(), 0);
    for (const char* name : {"Label1", "Label2", "Label5", "Label12"}) QVERIFY2(f.Usable(name), name);
    for (const char* name : {"B_LoadRomImage", "B_LoadRomSource", "B_SaveRomSource", "B_SaveToText", "B_Go", "B_Purge"})
        QVERIFY2(!f.Usable(name), name);
    for (const char* name : kInputs) QVERIFY2(!f.Shown(name), name);
    for (const char* name : kPanels) QVERIFY2(!f.Shown(name), name);
    QVERIFY(!f.Shown("P_Top"));
    // Mode before ON changes nothing.
    f.Click("Label12");
    QCOMPARE(f.window->mode(), 0);
    for (const char* name : kPanels) QVERIFY2(!f.Shown(name), name);
    QVERIFY(f.dialogs.errors.isEmpty());
}

void SifterFormTest::missingTableFileIsReported() {
    Fixture f([](const QString& dir) { QFile::remove(dir + "/ASMSBR.txt"); });
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains("ASMSBR.txt"), qPrintable(f.dialogs.errors.first()));
    QCOMPARE(f.wb.sbr.size(), size_t{0});
    QCOMPARE(f.Find<GridView>("DBGridMnemo")->model()->rowCount(), 4);
    f.Click("Label1");
    QCOMPARE(f.window->mode(), 2);
}

void SifterFormTest::captionsAndHints() {
    Fixture f;
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } kFace[] = {
        {"Label1", "ON", ""},
        {"Label2", "OFF", ""},
        {"Label5", "CLEAR", ""},
        {"Label12", "Mode", "Change mode\n-CPU language\n-ROM source\n-Ram addresses"},
        {"B_LoadRomImage", "ROM", "Load ROM file"},
        {"B_LoadRomSource", "SOURCE", "Load source file"},
        {"B_SaveRomSource", "SOURCE", "Save as source file"},
        {"B_SaveToText", "TEXT", "Save as text file"},
        {"B_Go", "GO", "Disassemble code"},
        {"B_Purge", "GO", "Remove all blank lines"},
        {"LBL_Load", "Load", ""},
        {"LBL_SaveAs", "Save as", ""},
        {"LBL_Label", "LABEL", ""},
        {"LBL_Addr", "ADDR", ""},
        {"LBL_From", "FROM", ""},
        {"LBL_To", "TO", ""},
        {"LBL_Disass", "Disass", ""},
        {"LBL_Clean", "Clean", ""},
        {"LBL_CPU", "CPU", ""},
        {"LBL_ROM", "ROM", ""},
        {"LBL_ADDRESS", "ADDRESS", ""},
        {"LBL_Busy", "Busy", ""},
    };
    for (const auto& c : kFace) {
        QCOMPARE(f.Find<QLabel>(c.name)->text(), QString(c.caption));
        QCOMPARE(f.Find(c.name)->toolTip(), QString(c.hint));
    }
    const struct {
        const char* name;
        const char* initial;
        const char* hint;
        int maxLength;
    } kFields[] = {
        {"E_Label", "LABEL_0", "Change value to find label", 32767},
        {"E_Addr", "0000", "Change value to find address", 32767},
        {"E_Start", "0000", "Disassemble from this address", 4},
        {"E_End", "0000", "Disassemble to this address", 4},
    };
    for (const auto& c : kFields) {
        auto* edit = f.Find<QLineEdit>(c.name);
        QCOMPARE(edit->text(), QString(c.initial));
        QCOMPARE(edit->toolTip(), QString(c.hint));
        QCOMPARE(edit->maxLength(), c.maxLength);
    }
    // Fields turn what is typed into upper case.
    f.Click("Label1");
    f.Type("E_Start", "c0ffee");
    QCOMPARE(f.Find<QLineEdit>("E_Start")->text(), QString("C0FF"));
}

void SifterFormTest::onLeadsToRomModeAndModeCycles() {
    Fixture f;
    f.Click("Label1");
    QCOMPARE(f.window->mode(), 2);
    QVERIFY(f.Shown("P_Top"));
    QVERIFY(f.Usable("B_LoadRomImage") && f.Usable("B_LoadRomSource"));
    QVERIFY(!f.Usable("B_SaveRomSource") && !f.Usable("B_SaveToText"));
    int seen[4];
    for (int& mode : seen) {
        f.Click("Label12");
        mode = f.window->mode();
    }
    QCOMPARE(std::vector<int>(seen, seen + 4), (std::vector<int>{3, 1, 2, 3}));
    // A second ON keeps the mode and clears the modified flags again.
    f.wb.sbr.PostField(0, SbrField::MNEMO, ",n,n");
    QVERIFY(f.AnyModified());
    f.Click("Label1");
    QCOMPARE(f.window->mode(), 3);
    QVERIFY(!f.AnyModified());
}

void SifterFormTest::visibilityFollowsTheMode_data() {
    QTest::addColumn<int>("clicks");  // Mode clicks after ON
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("search");
    QTest::addColumn<bool>("range");
    QTest::newRow("CPU language") << 2 << 1 << "LBL_CPU" << "P_CPU" << false << false;
    QTest::newRow("ROM source") << 0 << 2 << "LBL_ROM" << "P_ROM" << true << true;
    QTest::newRow("Ram addresses") << 1 << 3 << "LBL_ADDRESS" << "P_Addr" << true << false;
}

void SifterFormTest::visibilityFollowsTheMode() {
    QFETCH(int, clicks);
    QFETCH(int, mode);
    QFETCH(QString, indicator);
    QFETCH(QString, panel);
    QFETCH(bool, search);
    QFETCH(bool, range);
    Fixture f;
    f.Click("Label1");
    for (int i = 0; i < clicks; ++i) f.Click("Label12");
    QCOMPARE(f.window->mode(), mode);
    for (const char* name : kIndicators) QCOMPARE(f.Shown(name), indicator == name);
    for (const char* name : kPanels) QCOMPARE(f.Shown(name), panel == name);
    for (const char* name : {"LBL_Label", "LBL_Addr", "E_Label", "E_Addr"}) QCOMPARE(f.Shown(name), search);
    for (const char* name : {"LBL_From", "LBL_To", "LBL_Disass", "LBL_Clean", "E_Start", "E_End", "B_Go", "B_Purge"})
        QCOMPARE(f.Shown(name), range);
    QVERIFY(!f.Shown("LBL_Busy"));
}

void SifterFormTest::clearDisablesTheSaveCommands() {
    Fixture f;
    f.Click("Label1");
    // Even with an empty ROM table.
    f.Click("Label5");
    QVERIFY(!f.Usable("B_SaveRomSource") && !f.Usable("B_SaveToText"));
    f.LoadImage(QByteArray::fromHex("8E05BEE22C9A"), "C000");
    f.Find<QLineEdit>("E_Start")->setText("C000");
    f.Find<QLineEdit>("E_End")->setText("C005");
    f.dialogs.confirms.push_back(false);
    f.Click("B_Go");
    QVERIFY(f.Usable("B_SaveRomSource") && f.Usable("B_SaveToText"));
    f.Click("Label5");
    QVERIFY(!f.Usable("B_SaveRomSource") && !f.Usable("B_SaveToText"));
    QCOMPARE(f.wb.rom.size(), size_t{0});
}

void SifterFormTest::searchSelectsOnlyAnExactMatch() {
    Fixture f;
    f.Click("Label1");
    f.LoadImage(QByteArray::fromHex("8E05BEE22C9A"), "C000");
    QCOMPARE(f.wb.rom.size(), size_t{6});
    f.Type("E_Addr", "C0");
    QCOMPARE(f.SelectedRow("DBGridRom"), -1);
    f.Type("E_Addr", "C003");
    QCOMPARE(f.SelectedRow("DBGridRom"), 3);
    f.Type("E_Addr", "C0031");
    QCOMPARE(f.SelectedRow("DBGridRom"), -1);
    // The ROM rows took the labels of the address table.
    f.Type("E_Label", "START");
    QCOMPARE(f.SelectedRow("DBGridRom"), 0);
    // In mode 3 the address table is searched.
    f.Click("Label12");
    f.Type("E_Label", "LOOP");
    QCOMPARE(f.SelectedRow("DBGridAddr"), 1);
    f.Type("E_Addr", "C000");
    QCOMPARE(f.SelectedRow("DBGridAddr"), 0);
    f.Type("E_Addr", "C00");
    QCOMPARE(f.SelectedRow("DBGridAddr"), -1);
}

void SifterFormTest::startAddressDialog() {
    Fixture f;
    f.Click("Label1");
    f.LoadImage(QByteArray::fromHex("8E05"), "XYZ");
    QCOMPARE(f.dialogs.asked.first(), QString("Load Zelkor ROM image|ROM start address|0000"));
    QCOMPARE(f.dialogs.errors, QStringList{"Invalid address !"});
    QCOMPARE(f.wb.rom.size(), size_t{0});
    QVERIFY(!f.Shown("LBL_Busy"));
    QVERIFY(!f.window->busy());
    // The image was not asked for; the next load asks whether to keep nothing.
    f.dialogs.files.clear();
    f.LoadImage(QByteArray::fromHex("8E05"), "c000");
    QCOMPARE(f.wb.rom.size(), size_t{2});
    QCOMPARE(f.wb.rom.at(1, 1), std::string("C001"));
    QCOMPARE(f.dialogs.asked.last(), QString("open Rom image (*.rom *.ROM)"));
    // With rows present the load asks to keep them; No replaces them.
    f.dialogs.confirms.push_back(false);
    f.LoadImage(QByteArray::fromHex("9A"), "D000");
    QVERIFY(f.dialogs.asked.contains("Keep current ROM active ?"));
    QCOMPARE(f.wb.rom.size(), size_t{1});
    // Cancelling the address keeps the listing even after answering No.
    f.dialogs.confirms.push_back(false);
    f.dialogs.texts.push_back(std::nullopt);
    f.Click("B_LoadRomImage");
    QCOMPARE(f.wb.rom.size(), size_t{1});
    // An image that runs past FFFF is cut there, and the user is told.
    f.dialogs.confirms.push_back(false);
    f.LoadImage(QByteArray::fromHex("01020304"), "FFFE");
    QCOMPARE(f.wb.rom.size(), size_t{2});
    QCOMPARE(f.dialogs.notes.size(), 1);
    QVERIFY2(f.dialogs.notes.first().contains("2 bytes"), qPrintable(f.dialogs.notes.first()));
    // A load shows the GO keys whatever the mode.
    f.Click("Label12");
    f.dialogs.confirms.push_back(true);
    f.LoadImage(QByteArray::fromHex("9A"), "D000");
    QVERIFY(f.Shown("B_Go") && f.Shown("B_Purge"));
}

void SifterFormTest::gridsEditAndDeleteRows() {
    Fixture f;
    f.Click("Label1");
    f.Click("Label12");  // mode 3: the address grid
    auto* grid = f.Find<GridView>("DBGridAddr");
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString("LABEL"));
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QVERIFY(grid->model()->setData(grid->model()->index(0, 2), "Cold start"));
    QCOMPARE(f.wb.addr.at(0, 2), std::string("Cold start"));
    QVERIFY(f.AnyModified());
    // The cell editor takes no more than the field holds.
    auto* editor = qobject_cast<QLineEdit*>(
        grid->itemDelegate()->createEditor(grid->viewport(), QStyleOptionViewItem(), grid->model()->index(0, 0)));
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 10);
    delete editor;
    // Tab moves to the next cell.
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 2));
    // A new address moves the row to its sorted place, and the cursor with it.
    QVERIFY(grid->model()->setData(grid->model()->index(0, 1), "C008"));
    QCOMPARE(f.wb.addr.at(1, 0), std::string("START"));
    QCOMPARE(grid->currentIndex(), grid->model()->index(1, 1));
    QVERIFY(grid->model()->setData(grid->model()->index(1, 1), "C000"));
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1));
    // Ctrl+Delete asks first; No keeps the row, Yes deletes it.
    f.dialogs.confirms = {false, true};
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.wb.addr.size(), size_t{2});
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.wb.addr.size(), size_t{1});
    QCOMPARE(f.dialogs.asked, QStringList({"Delete this row ?", "Delete this row ?"}));
    QCOMPARE(f.wb.addr.at(0, 0), std::string("LOOP"));
}

void SifterFormTest::loadDisassembleAndSave() {
    Fixture f;
    f.Click("Label1");
    f.LoadImage(QByteArray::fromHex("8E05BEE22C9A"), "C000");
    // A range that is no hex number stops the pass with a message naming it.
    f.Type("E_Start", "C0G0");
    f.Click("B_Go");
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains("C0G0"), qPrintable(f.dialogs.errors.first()));
    QVERIFY(!f.window->busy() && !f.Shown("LBL_Busy"));
    QCOMPARE(f.Find<GridView>("DBGridRom")->model()->rowCount(), 6);
    QVERIFY(!f.Usable("B_SaveRomSource"));
    f.dialogs.errors.clear();

    f.Type("E_Start", "C000");
    f.Type("E_End", "C005");
    f.dialogs.confirms.push_back(false);  // LH5801 mnemonics
    f.Click("B_Go");
    QVERIFY(f.dialogs.asked.contains("Use pseudo Z80 mnemo instead of LH5801 ?"));
    QCOMPARE(f.wb.rom.size(), size_t{6});
    QCOMPARE(f.Find<GridView>("DBGridRom")->model()->rowCount(), 6);  // the grid follows again
    QCOMPARE(f.wb.rom.at(0, RomField::MNEMO), std::string("BCH +&05"));
    QCOMPARE(f.wb.rom.at(2, RomField::MNEMO), std::string("SJP &E22C"));
    f.Click("B_Purge");
    QCOMPARE(f.wb.rom.size(), size_t{3});
    QVERIFY(!f.Shown("B_Go") && !f.Shown("B_Purge"));

    // Save as source and as text: the names take their extensions.
    f.dialogs.files = {f.Path("listing"), f.Path("listing.txt")};
    f.Click("B_SaveRomSource");
    f.Click("B_SaveToText");
    QCOMPARE(f.dialogs.asked.mid(f.dialogs.asked.size() - 2),
             QStringList({"save ASM file (*.ASM *.asm)", "save TXT file (*.TXT *.txt)"}));
    const std::string source = ReadAll(f.Path("listing.ASM"));
    QVERIFY(source.starts_with("LABEL\tADDRESS\tCODE\tHEXA\tMNEMO\tCOMMENT\r\n"));
    QCOMPARE(ReadAll(f.Path("listing.txt")),
             std::string("START       C000:  8E05          BCH +&05            Entry Jump to LOOP (C007) \r\n"
                         "            C002:  BEE22C        SJP &E22C           \r\n"
                         "            C005:  9A            RTN                 \r\n"));

    // Cancelling "Load source" keeps the listing; loading one replaces it.
    f.Click("B_LoadRomSource");
    QCOMPARE(f.wb.rom.size(), size_t{3});
    f.Click("Label5");
    QCOMPARE(f.wb.rom.size(), size_t{0});
    f.dialogs.files = {f.Path("listing.ASM")};
    f.Click("B_LoadRomSource");
    QCOMPARE(f.dialogs.asked.last(), QString("open ASM file (*.ASM *.asm)"));
    QCOMPARE(f.wb.rom.size(), size_t{3});
    QCOMPARE(f.wb.rom.at(2, RomField::MNEMO), std::string("RTN"));
    QVERIFY(f.dialogs.errors.isEmpty());
}

void SifterFormTest::passKeepsTheWindowResponsive() {
    Fixture f;
    f.Click("Label1");
    f.LoadImage(QByteArray(16384, '\x9A'), "C000");
    QCOMPARE(f.wb.rom.size(), size_t{16384});
    f.Type("E_Start", "C000");
    f.Type("E_End", "FFFF");
    // While the pass runs, the window serves its events: the busy mark shows,
    // the grids are detached, and a second command is refused.
    int servedWhileBusy = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!f.window->busy()) return;
        ++servedWhileBusy;
        QVERIFY(f.Shown("LBL_Busy"));
        QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        QCOMPARE(f.Find<GridView>("DBGridRom")->model()->rowCount(), 0);
        f.Click("Label5");
    });
    timer.start(0);
    f.dialogs.confirms.push_back(true);  // pseudo Z80 mnemonics
    f.Click("B_Go");
    timer.stop();
    QVERIFY(servedWhileBusy > 0);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!f.Shown("LBL_Busy"));
    QCOMPARE(f.wb.rom.size(), size_t{16384});
    QCOMPARE(f.wb.rom.at(16383, RomField::MNEMO), std::string("RET"));
    QVERIFY(f.Usable("B_SaveRomSource"));
}

void SifterFormTest::closingSavesOnlyEditedTables() {
    {
        // Files as another editor left them: LF line ends, which a save would rewrite.
        Fixture f;
        const std::string sbr = "CODE\tMNEMO\n2A\t,n\n";
        WriteAll(f.Path("ASMSBR.txt"), sbr);
        const std::string addr = ReadAll(f.Path("ASMADDR.txt"));
        f.Click("Label1");
        f.Click("Label2");
        QVERIFY(!f.window->isVisible());
        QCOMPARE(ReadAll(f.Path("ASMSBR.txt")), sbr);
        QCOMPARE(ReadAll(f.Path("ASMADDR.txt")), addr);
    }
    Fixture f;
    f.Click("Label1");
    f.Click("Label12");
    f.Click("Label12");  // mode 1: the mnemonic and parameter grids
    const std::string mnemo = ReadAll(f.Path("ASM1500.txt"));
    auto* grid = f.Find<GridView>("DBGridSbr");
    QVERIFY(grid->model()->setData(grid->model()->index(0, 1), ",n,pp"));
    f.window->close();
    QCOMPARE(ReadAll(f.Path("ASMSBR.txt")), std::string("CODE\tMNEMO\r\n2A\t,n,pp\r\n"));
    QCOMPARE(ReadAll(f.Path("ASM1500.txt")), mnemo);
    QVERIFY(f.dialogs.errors.isEmpty());
}

void SifterFormTest::closingReportsAFileThatCannotBeWritten() {
    Fixture f;
    f.wb.addr.PostField(0, AddrField::COMMENT, "Changed");
    f.dir.remove();  // nowhere left to write
    f.window->close();
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains("ASMADDR.txt"), qPrintable(f.dialogs.errors.first()));
}

QTEST_MAIN(SifterFormTest)
#include "sifter_form_test.moc"
