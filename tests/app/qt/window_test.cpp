// The Qt window on the offscreen platform: its size, its menu bar, a click on
// the skin's ON key and a PC key drawn pressed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>

#include "app/menu.h"
#include "app/qt/main_window.h"
#include "app/qt/skin_view.h"
#include "app/texts.h"
#include "host/image.h"
#include "host/library.h"
#include "host/surface.h"
#include "models/tables.h"
#include "tests/common/scratch_folder.h"

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<MainWindow>(EmulatorOptions{folder_.Path("Zelkora.mem").string()});
        window_->messageHook = [this](const Message& m) { messages_.push_back(m.text); };
        ASSERT_TRUE(window_->Start());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override {
        window_->emulator().Shutdown();
        window_.reset();
    }

    QPoint KeyCentre(int key) const {
        const EntryTable& e = ZelkorATables().entries[key];
        return {e.x + e.width / 2, e.y + e.height / 2};
    }

    // Whether the key's area of the surface shows the given image.
    static bool Shows(const SkinEntry& e, uint32_t image) {
        for (int y = 0; y < e.height; ++y)
            for (int x = 0; x < e.width; ++x)
                if (SurfacePixel(e.x + x, e.y + y) != static_cast<uint32_t>(ImagePixel(image, x, y))) return false;
        return true;
    }

    ScratchFolder folder_;
    std::unique_ptr<MainWindow> window_;
    std::vector<std::string> messages_;
};

TEST_F(WindowTest, ClientAreaIsTheSkinBelowTheMenuBar) {
    const QWidget* view = window_->view();
    EXPECT_EQ(view->size(), QSize(864, 383));
    EXPECT_EQ(view->y(), window_->menuBar()->height());
    EXPECT_EQ(window_->height(), window_->menuBar()->height() + 383);
    EXPECT_EQ(window_->width(), 864);
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
}

TEST_F(WindowTest, MenuBarFollowsTheMenuTable) {
    const QList<QAction*> popups = window_->menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(MenuBar().size()));
    for (size_t p = 0; p < MenuBar().size(); ++p) {
        const MenuPopup& popup = MenuBar()[p];
        EXPECT_EQ(popups[p]->text().toStdString(), popup.title);
        const QList<QAction*> items = popups[p]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(popup.items.size())) << popup.title;
        for (size_t i = 0; i < popup.items.size(); ++i) {
            EXPECT_EQ(items[i]->isSeparator(), popup.items[i].id == kMenuSeparator);
            EXPECT_EQ(items[i]->text().toStdString(), popup.items[i].text);
        }
    }
    EXPECT_TRUE(window_->Action(258)->isChecked());
    EXPECT_FALSE(window_->Action(256)->isChecked());
    EXPECT_FALSE(window_->Action(300)->isEnabled());
}

TEST_F(WindowTest, MenuCommandKeepsItsOwnMarks) {
    window_->Action(kCmdDebugMode)->trigger();
    EXPECT_TRUE(window_->Action(kCmdDebugMode)->isChecked());
    EXPECT_TRUE(window_->Action(300)->isEnabled());
    window_->Action(kCmdMaxFrequency)->trigger();
    window_->Action(kCmdMaxFrequency)->trigger();  // a checked item chosen again stays checked
    EXPECT_TRUE(window_->Action(kCmdMaxFrequency)->isChecked());
    EXPECT_FALSE(window_->Action(kCmdOriginalFrequency)->isChecked());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowTest, ClickOnTheOnKeyStartsTheMachine) {
    QTest::mouseClick(window_->view(), Qt::LeftButton, {}, KeyCentre(10));
    EXPECT_EQ(window_->windowTitle().toStdString(), kTitleOn);
    EXPECT_TRUE(window_->emulator().IsOn());
    EXPECT_FALSE(window_->Action(258)->isEnabled());
}

TEST_F(WindowTest, PcKeyDrawsTheKeyPressedUntilReleased) {
    const SkinEntry& a = window_->emulator().record()->Skin[26];
    EXPECT_TRUE(Shows(a, a.imageA));
    QTest::keyPress(window_->view(), Qt::Key_A);
    EXPECT_TRUE(Shows(a, a.imageB));
    QTest::keyRelease(window_->view(), Qt::Key_A);
    EXPECT_TRUE(Shows(a, a.imageA));
}

// The program itself, where no display can be reached: one line, status 1.
TEST(Program, WithoutADisplaySaysSoAndEnds) {
    for (const char* display : {"", ":97"}) {
        const std::string command = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=" + std::string(display) + " " +
                                    ProgramDirectory() + "/Zelkor 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_TRUE(pipe);
        std::string output;
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << display << ": " << status;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        EXPECT_NE(output.find("zelkor-cli run"), std::string::npos) << output;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
