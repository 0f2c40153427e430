// SPDX-License-Identifier: GPL-3.0-or-later
// The window under a real X server and window manager: its stored bounds are
// the outer rectangle, frame included, and come back unchanged.

#include "tests/ui/dialogfixture.h"
#include "ui/layouthelpers.h"

#include "ui/rules/settingsfile.h"

#include <QElapsedTimer>
#include <QTest>

using namespace kellvar;
using namespace kellvar::testing;

namespace {

// Waits until the window manager has framed the window and the frame has
// stood still for a while: the window has settled where it wants to be.
void WaitUntilFramed(QWidget* window)
{
    QElapsedTimer waited;
    waited.start();
    while (window->frameGeometry() == window->geometry() && waited.elapsed() < 5'000)
        QTest::qWait(20);
    QRect frame = window->frameGeometry();
    QElapsedTimer still;
    still.start();
    while (still.elapsed() < 500 && waited.elapsed() < 10'000) {
        QTest::qWait(20);
        if (window->frameGeometry() != frame) {
            frame = window->frameGeometry();
            still.restart();
        }
    }
}

// Every place and size the window's frame had once the window manager had framed it.
class TFramePlaces : public QObject {
public:
    explicit TFramePlaces(QWidget* window) : window_(window) { window->installEventFilter(this); }
    std::vector<QPoint> Places;
    std::vector<QSize> Sizes;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const bool framed = window_->frameGeometry() != window_->geometry();
        if (!framed || (event->type() != QEvent::Move && event->type() != QEvent::Resize && !Places.empty()))
            return false;
        const QRect frame = window_->frameGeometry();
        if (Places.empty() || Places.back() != frame.topLeft())
            Places.push_back(frame.topLeft());
        if (Sizes.empty() || Sizes.back() != frame.size())
            Sizes.push_back(frame.size());
        return false;
    }

private:
    QWidget* window_;
};

QRect StoredBounds(const std::string& ini)
{
    const TSettingsFile file(ini);
    return {file.ReadInteger("Left", -1), file.ReadInteger("Top", -1), file.ReadInteger("Width", -1),
            file.ReadInteger("Height", -1)};
}

}  // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on an X server"); }

    void boundsComeBackUnchangedRoundAfterRound_data()
    {
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("layout size") << QRect(100, 80, 700, 500);
        QTest::newRow("smallest the rules allow") << QRect(40, 30, 320, 128);
    }

    void boundsComeBackUnchangedRoundAfterRound()
    {
        QFETCH(QRect, bounds);
        std::string ini = "[SETTINGS]\r\nLoadDefaultLogFile=0\r\nUseLastWindowPosition=1\r\nLeft="
                          + std::to_string(bounds.x()) + "\r\nTop=" + std::to_string(bounds.y()) + "\r\nWidth="
                          + std::to_string(bounds.width()) + "\r\nHeight=" + std::to_string(bounds.height()) + "\r\n";
        // The first start learns the window manager's frame; later ones know it.
        std::string frame;
        for (int round = 1; round <= 3; ++round) {
            TDialogUnderTest t;
            t.ProgramDir.Write("kellvar.INI", ini);
            if (round > 1)
                t.ProgramDir.Write("kellvar.frame", frame);
            const TFramePlaces places(t.Window.get());
            t.Start();
            WaitUntilFramed(t.Window.get());
            QCOMPARE(t.Window->frameGeometry(), bounds);
            // Mapped where it stays, and as large once the frame is known:
            // the frame never stood anywhere else, nor had another size.
            QCOMPARE(places.Places, std::vector<QPoint>{bounds.topLeft()});
            if (round > 1)
                QCOMPARE(places.Sizes, std::vector<QSize>{bounds.size()});
            t.Window->close();
            QCOMPARE(StoredBounds(t.IniFile()), bounds);
            ini = ReadFile(t.IniFile());
            frame = ReadFile(t.ProgramDir.File("kellvar.frame"));
        }
    }

    // With no place stored the window system places the window, at the
    // layout's client size where the screen has room for it.
    void firstStartHasTheLayoutsSize()
    {
        TDialogUnderTest t;
        t.StartWithoutLog();
        WaitUntilFramed(t.Window.get());
        const TLayoutScale px(t.Window->font());
        QCOMPARE(t.Window->size(), QSize(px(1106), px(549)));
    }

    void quietRunWithNothingToAnalyseLeavesNoWindow()
    {
        TDialogUnderTest t;
        t.ProgramDir.Write("kellvar.INI", "[SETTINGS]\r\nLoadDefaultLogFile=0\r\n");
        t.Start({}, true, false);
        QVERIFY(!t.Window->isVisible());
        QCOMPARE(t.Window->ExitCode(), 1);
    }
};

QTEST_MAIN(WindowManagerTest)
#include "windowmanager_test.moc"
