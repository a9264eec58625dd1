#include "Form1.h"
#include "QtInput.h"
#include "QtPrinters.h"
#include "QtWindowServices.h"
#include "RecordingWindowServices.h"
#include "TestFiles.h"
#include "WindowSplitHost.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

namespace fs = std::filesystem;
using testsupport::RecordingWindowServices;
using testsupport::TempDir;

struct ControlCase
{
    const char* name;
    const char* kind;
    const char* container;
    QRect geometry; // pixels
    QString text;
};

// Every control with its twips / 15.
const ControlCase controls[] = {
    {"Frame1", "QGroupBox", "Form1", {0, -4, 473, 325}, ""},
    {"Frame3", "QGroupBox", "Frame1", {8, 9, 457, 208}, "请选择要分割的文件:"},
    {"Drive1", "QComboBox", "Frame3", {8, 16, 209, 20}, {}},
    {"Dir1", "QListWidget", "Frame3", {8, 40, 209, 160}, {}},
    {"File1", "QListWidget", "Frame3", {224, 16, 225, 186}, {}},
    {"Frame4", "QGroupBox", "Frame1", {8, 224, 457, 89}, "分割配置信息:"},
    {"Label3", "QLabel", "Frame4", {8, 16, 113, 17}, "将要被分割文件名："},
    {"Lab1", "QLabel", "Frame4", {112, 16, 337, 17}, ""},
    {"Label5", "QLabel", "Frame4", {8, 40, 113, 17}, "分割后文件的大小："},
    {"Text1", "QLineEdit", "Frame4", {112, 40, 169, 18}, ""},
    {"Label6", "QLabel", "Frame4", {288, 40, 97, 17}, "单位：bytes/字节"},
    {"Label7", "QLabel", "Frame4", {8, 64, 113, 17}, "分割后文件保存在："},
    {"Text2", "QLineEdit", "Frame4", {112, 64, 337, 19}, ""},
    {"Frame2", "QGroupBox", "Form1", {0, 320, 473, 49}, ""},
    {"Command3", "QPushButton", "Frame2", {8, 16, 129, 25}, "开始分割"},
    {"Command1", "QPushButton", "Frame2", {176, 16, 121, 25}, "关闭"},
    {"command2", "QPushButton", "Frame2", {336, 16, 121, 25}, "关于"},
};

QString textOf(QWidget* widget)
{
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    return {};
}

class MainWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T = QWidget> T* control(const char* name)
    {
        T* found = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    RecordingWindowServices services;
    tarvolin::Form1 form{services};
};

TEST_F(MainWindow, HoldsEveryControlAsLaidOut)
{
    for (const ControlCase& c : controls) {
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(c.kind)) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(c.container)) << c.name;
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
        if (!c.text.isNull()) {
            EXPECT_EQ(textOf(widget), c.text) << c.name;
        }
        EXPECT_TRUE(widget->isEnabled() && widget->isVisible()) << c.name;
    }
    for (const char* name : {"Label3", "Lab1", "Label5", "Label6", "Label7"}) {
        auto* label = control<QLabel>(name);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft) << name;
        EXPECT_FALSE(label->wordWrap()) << name;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << name;
    }
    for (const char* name : {"Command3", "Command1", "command2"}) {
        auto* button = control<QPushButton>(name);
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << name;
        EXPECT_FALSE(button->text().contains('&')) << name;
    }
}

TEST_F(MainWindow, WindowHasItsCaptionPlaceAndFrame)
{
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Tarvolin——Quenby作品   V1.0"));
    EXPECT_EQ(form.geometry(), QRect(158, 109, 473, 371)); // the client area
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.minimumSize(), QSize(0, 0)) << "the frame is sizable";
}

TEST_F(MainWindow, StartsEmptyWithTheFocusOnStart)
{
    EXPECT_TRUE(control<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());
    auto* lab1 = control<QLabel>("Lab1");
    EXPECT_TRUE(lab1->text().isEmpty());
    EXPECT_TRUE(lab1->toolTip().isEmpty());
    EXPECT_TRUE(lab1->property("tag").isValid()) << "the load handler fills the tag";
    EXPECT_TRUE(lab1->property("tag").toString().isEmpty());
    EXPECT_EQ(control<QWidget>("Command3"), form.focusWidget());
}

TEST_F(MainWindow, TabVisitsTheControlsInOrderAndShiftTabGoesBack)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QStringList order{"Command3", "Drive1",   "Dir1",     "File1",   "Text1",
                            "Text2",    "Command1", "command2", "Command3"};
    control<QWidget>("Command3")->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]);
    }
    for (int i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]);
    }
}

TEST_F(MainWindow, EnterAndSpacePressTheFocusedButtonEscapeDoesNothing)
{
    auto* close = control<QPushButton>("Command1");
    QSignalSpy start(control<QPushButton>("Command3"), &QPushButton::clicked);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(services.programEnds, 0);
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_EQ(services.programEnds, 1);
    QTest::keyClick(close, Qt::Key_Enter);
    EXPECT_EQ(services.programEnds, 2);
    QTest::keyClick(close, Qt::Key_Space);
    EXPECT_EQ(services.programEnds, 3);
    EXPECT_EQ(start.count(), 0) << "Enter acts only on the focused button";
}

TEST_F(MainWindow, ControlsKeepTheirPlaceWhenTheWindowIsResized)
{
    form.resize(900, 700);
    QApplication::processEvents();
    for (const ControlCase& c : controls)
        EXPECT_EQ(control(c.name)->geometry(), c.geometry) << c.name;
    form.resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(control("File1")->geometry(), QRect(224, 16, 225, 186));
}

TEST_F(MainWindow, SplitShowsProgressInFrame3AndKeepsTheLastText)
{
    TempDir dir;
    testsupport::writeFile(dir / "a.bin", testsupport::randomBytes(250));
    QStringList captions;
    services.onPump = [&](int) { captions << control<QGroupBox>("Frame3")->title(); };
    EXPECT_TRUE(form.splitlt(dir / "a.bin", 100, dir / "a.bin"));
    const QString last = QString::fromStdString("正在处理:" + (dir / "a.bin") + ".002 100.00%");
    ASSERT_EQ(captions.size(), 3);
    EXPECT_EQ(captions.last(), last);
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(), last);
    ASSERT_EQ(services.notices.size(), 1);
    EXPECT_TRUE(services.notices[0].startsWith(QString::fromUtf8("朋友！文件分割已经成功完成！")));

    // "&" in a path is shown as it is, not taken for a mnemonic.
    testsupport::writeFile(dir / "a&b.bin", testsupport::randomBytes(250));
    EXPECT_TRUE(form.splitlt(dir / "a&b.bin", 100, dir / "a&b.bin"));
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(),
              QString::fromStdString("正在处理:" + (dir / "a&&b.bin") + ".002 100.00%"));

    // A refused run leaves the caption as it was.
    const QString shown = control<QGroupBox>("Frame3")->title();
    EXPECT_FALSE(form.splitlt(dir / "a.bin", 1000, dir / "a.bin"));
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(), shown);
}

// Counts the paint events a widget receives, and the height of the tallest.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            tallest = std::max(tallest, static_cast<QPaintEvent*>(event)->rect().height());
        }
        return false;
    }
    int paints = 0;
    int tallest = 0;
};

TEST_F(MainWindow, ManySmallPiecesRepaintOnlyTheCaptionAndNotForEachPiece)
{
    TempDir dir;
    testsupport::writeFile(dir / "a.bin", testsupport::randomBytes(2000));
    auto* frame = control<QGroupBox>("Frame3");
    QApplication::processEvents();
    PaintCounter framePaints(frame);
    PaintCounter listPaints(control<QWidget>("File1"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(form.splitlt(dir / "a.bin", 2, dir / "a.bin")); // 1000 pieces
    // A repaint an interval, and one more that a late timer makes up, however
    // fast or slow the machine is.
    const qint64 intervals = clock.elapsed() / tarvolin::WindowSplitHost::repaintInterval;
    EXPECT_LE(framePaints.paints, 2 * intervals + 2) << "the screen need not follow every piece";
    EXPECT_LT(framePaints.paints, 1000);
    EXPECT_LT(framePaints.tallest, 40) << "only the caption's strip";
    EXPECT_EQ(listPaints.paints, 0);

    // The last caption reaches the screen once the interval is over.
    const int before = framePaints.paints;
    QTest::qWait(3 * tarvolin::WindowSplitHost::repaintInterval);
    EXPECT_GT(framePaints.paints, before);
    EXPECT_EQ(frame->title(),
              QString::fromStdString("正在处理:" + (dir / "a.bin") + ".999 100.00%"));
}

// The program ends at once when "关闭" is pressed, or the window closed,
// between two pieces: a child process runs the real window services and the
// click or close arrives through the event pump after the k-th piece.
class EndingServices : public tarvolin::QtWindowServices
{
public:
    EndingServices(int afterPieces, std::function<void()> act)
        : m_afterPieces(afterPieces), m_act(std::move(act))
    {
    }
    void pumpEvents() override
    {
        if (++m_pumps == m_afterPieces)
            m_act();
        QtWindowServices::pumpEvents();
    }
    void showNotice(QWidget*, const QString&) override
    {
        std::_Exit(4); // a notice means the split went on to its end
    }

private:
    int m_pumps = 0;
    int m_afterPieces;
    std::function<void()> m_act;
};

void splitUntilTheProgramEnds(const std::string& folder, bool byCloseBox)
{
    tarvolin::Form1* form = nullptr;
    EndingServices services(2, [&] {
        if (byCloseBox)
            QCoreApplication::postEvent(form, new QCloseEvent());
        else
            testsupport::postClick(form->findChild<QPushButton*>("Command1"));
    });
    tarvolin::Form1 window(services);
    form = &window;
    window.show();
    window.splitlt(folder + "/a.bin", 100, folder + "/a.bin");
    std::_Exit(3); // the split came back: the program did not end
}

// The child process runs this test's body again from its start, so the
// folder has a fixed name that both processes find.
void expectEndAfterTwoPieces(const std::string& name, bool byCloseBox)
{
    const fs::path folder = fs::temp_directory_path() / ("tarvolin-end-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string source = testsupport::randomBytes(500);
    testsupport::writeFile((folder / "a.bin").string(), source);

    EXPECT_EXIT(splitUntilTheProgramEnds(folder.string(), byCloseBox), testing::ExitedWithCode(0),
                "");
    EXPECT_EQ(testsupport::listFolder(folder),
              (std::vector<std::string>{"a.bin", "a.bin.000", "a.bin.001"}));
    EXPECT_EQ(testsupport::readFile((folder / "a.bin.001").string()), source.substr(100, 100));
    EXPECT_EQ(testsupport::readFile((folder / "a.bin").string()), source);
    fs::remove_all(folder);
}

TEST(MainWindowEnd, CloseButtonDuringASplitEndsTheProgramAtOnce)
{
    expectEndAfterTwoPieces("button", false);
}

TEST(MainWindowEnd, CloseBoxDuringASplitEndsTheProgramAtOnce)
{
    expectEndAfterTwoPieces("close-box", true);
}

} // namespace
