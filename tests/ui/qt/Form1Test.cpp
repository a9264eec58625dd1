#include "ui/qt/Form1.h"
#include "tests/support/TestClock.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/QtInput.h"
#include "tests/support/qt/QtPrinters.h"
#include "tests/support/qt/RecordingWindowServices.h"
#include "ui/Layout.h"
#include "ui/RepaintThrottle.h"
#include "ui/qt/LayoutBuilder.h"
#include "ui/qt/PathGroupBox.h"
#include "ui/qt/PathLabel.h"
#include "ui/qt/services/QtWindowServices.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

namespace fs = std::filesystem;
using testsupport::RecordingWindowServices;
using testsupport::TempDir;

namespace layout = tarvolin::layout;

// A control's place and size in pixels at the window's dots per inch: its
// twips * dpi / 1440, rounded.
QRect pixels(const layout::Control& control, int dpi)
{
    const layout::Rect r = control.pixels(dpi);
    return {r.left, r.top, r.width, r.height};
}

bool isList(layout::Kind kind)
{
    return kind == layout::Kind::DriveList || kind == layout::Kind::FolderList ||
           kind == layout::Kind::FileList;
}

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
    ASSERT_EQ(layout::form1.controls.size(), 17u);
    // One scale for every rectangle: the least that fits the font.
    const int dpi = tarvolin::layoutDpi(form);
    EXPECT_GE(dpi, layout::defaultDpi);
    EXPECT_EQ(dpi, tarvolin::fittingDpi(form, layout::form1));
    EXPECT_EQ(form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2)
        << "Frame1 and Frame2";
    for (const layout::Control& c : layout::form1.controls) {
        const std::string name(c.name);
        QWidget* widget = control(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, layout::takesFocus(c.kind)) << name;
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), c.container) << name;
        EXPECT_EQ(widget->geometry(), pixels(c, dpi)) << name;
        if (!isList(c.kind)) {
            EXPECT_EQ(textOf(widget).toStdString(), c.text) << name;
        }
        EXPECT_TRUE(widget->isEnabled() && widget->isVisible()) << name;
        const layout::Rect inClient = layout::form1.pixelsInClient(c, dpi);
        EXPECT_EQ(QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()),
                  QRect(inClient.left, inClient.top, inClient.width, inClient.height))
            << name;
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
    EXPECT_EQ(form.windowTitle().toStdString(), layout::form1.caption);
    const layout::Rect client = layout::toPixels(layout::form1.client, tarvolin::layoutDpi(form));
    EXPECT_EQ(form.geometry(), QRect(client.left, client.top, client.width, client.height));
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
    QStringList order;
    for (const layout::Control* c : layout::focusOrder(layout::form1))
        order << QString::fromUtf8(c->name.data(), static_cast<qsizetype>(c->name.size()));
    ASSERT_EQ(order.size(), 8);
    order << order.first(); // and round again
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
    const int dpi = tarvolin::layoutDpi(form);
    form.resize(900, 700);
    QApplication::processEvents();
    for (const layout::Control& c : layout::form1.controls)
        EXPECT_EQ(control(std::string(c.name).c_str())->geometry(), pixels(c, dpi)) << c.name;
    form.resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(control("File1")->geometry(), pixels(layout::form1.control("File1"), dpi));

    // Shrunk and enlarged again, every control shows again where it was:
    // visible and painted, not an empty stretch of the window's colour.
    const QSize whole = tarvolin::pixelRect(layout::form1.client, dpi).size();
    form.resize(300, 200);
    QApplication::processEvents();
    form.resize(whole);
    QApplication::processEvents();
    const QImage shown = form.grab().toImage();
    for (const layout::Control& c : layout::form1.controls) {
        QWidget* widget = control(std::string(c.name).c_str());
        EXPECT_TRUE(widget->isVisible()) << c.name;
        if (c.kind == layout::Kind::Label && c.text.empty())
            continue; // an empty label draws nothing
        const QRect place =
            QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()) & shown.rect();
        QSet<QRgb> colours;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                colours.insert(shown.pixel(x, y));
        EXPECT_GT(colours.size(), 1) << c.name << " is not painted";
    }
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
    EXPECT_EQ(services.owners[0], &form);

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

// A path far wider than Lab1 and Frame3.
std::string longFolder()
{
    std::string folder = "/home/user";
    for (int i = 0; i < 8; ++i)
        folder += "/一个很长的文件夹名字 " + std::to_string(i);
    return folder;
}

TEST_F(MainWindow, LongSourcePathShowsItsStartAndNameAndKeepsTheWholePath)
{
    auto* lab1 = control<tarvolin::PathLabel>("Lab1");
    ASSERT_NE(lab1, nullptr);
    const std::string path = longFolder() + "/电影片段.avi";
    form.setLab1Caption(path);
    form.setLab1ToolTip("被分割文件长度：（字节）250000");
    EXPECT_EQ(form.lab1Caption(), path) << "the start command reads the whole path";
    EXPECT_EQ(lab1->text().toStdString(), path);

    const auto expectShortened = [&](const char* when) {
        const QString shown = lab1->displayedText();
        EXPECT_TRUE(shown.contains(QChar(0x2026))) << when;
        EXPECT_TRUE(shown.startsWith("/home/")) << when << ": " << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QString::fromUtf8("/电影片段.avi"))) << when;
        EXPECT_LE(lab1->fontMetrics().horizontalAdvance(shown), lab1->contentsRect().width())
            << when;
    };
    expectShortened("as laid out");
    const QString tip = lab1->shownToolTip();
    EXPECT_TRUE(tip.contains(QString::fromStdString(path).toHtmlEscaped())) << "the whole path";
    EXPECT_TRUE(tip.contains(QString::fromUtf8("250000")));
    EXPECT_EQ(form.lab1ToolTip(), "被分割文件长度：（字节）250000")
        << "the stored tooltip is the length alone";

    // A new width or font shortens it afresh.
    const QString before = lab1->displayedText();
    lab1->resize(lab1->width() * 2, lab1->height());
    expectShortened("wider");
    EXPECT_GT(lab1->displayedText().size(), before.size());
    QFont bigger = lab1->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.5);
    lab1->setFont(bigger);
    expectShortened("in a bigger font");

    // A path that fits shows whole, with the length alone as its tooltip.
    form.setLab1Caption("/tmp/a.bin");
    EXPECT_EQ(lab1->displayedText(), "/tmp/a.bin");
    EXPECT_EQ(lab1->shownToolTip(), QString::fromUtf8("被分割文件长度：（字节）250000"));

    // A name in GBK bytes reads as Chinese; the start command reads its bytes.
    form.setLab1Caption("/tmp/\xC4\xE3\xBA\xC3.bin");
    EXPECT_EQ(lab1->text(), QString::fromUtf8("/tmp/你好.bin"));
    EXPECT_EQ(form.lab1Caption(), "/tmp/\xC4\xE3\xBA\xC3.bin");
}

TEST_F(MainWindow, LongProgressCaptionShowsThePieceAndThePercentage)
{
    auto* frame3 = control<tarvolin::PathGroupBox>("Frame3");
    ASSERT_NE(frame3, nullptr);
    const std::string caption = "正在处理:" + longFolder() + "/a&b.avi.003 45.00%";
    form.setFrame3Caption(caption);
    EXPECT_EQ(frame3->shownTitle().toStdString(), caption);
    const QString shown = frame3->displayedTitle();
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("正在处理:/home/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("/a&b.avi.003 45.00%")) << shown.toStdString();
    EXPECT_LT(frame3->fontMetrics().horizontalAdvance(shown), frame3->width());

    // The caption as the style lays it out lies inside the frame.
    QStyleOptionGroupBox option;
    option.initFrom(frame3);
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.text = shown;
    option.textAlignment = frame3->alignment();
    const QRect strip = frame3->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxLabel, frame3);
    EXPECT_TRUE(frame3->rect().contains(strip)) << "caption " << strip.width() << " wide";

    // A short caption shows whole.
    form.setFrame3Caption("正在处理:/tmp/a.bin.000 50.00%");
    EXPECT_EQ(frame3->displayedTitle().toStdString(), "正在处理:/tmp/a.bin.000 50.00%");
}

// Counts the paint events a widget receives, the height of the tallest and,
// for a frame, the caption of the last. What a paint covers under the child
// left out is not counted: the drive list is filled anew, and repainted,
// whenever a file system is mounted, as other tests do at the same time.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget, QWidget* leftOut = nullptr)
        : m_frame(qobject_cast<QGroupBox*>(widget)), m_leftOut(leftOut)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QRegion region = static_cast<QPaintEvent*>(event)->region();
        if (m_leftOut != nullptr)
            region -= m_leftOut->geometry();
        if (!region.isEmpty()) {
            ++paints;
            tallest = std::max(tallest, region.boundingRect().height());
            if (m_frame != nullptr)
                lastTitle = m_frame->title();
        }
        return false;
    }
    int paints = 0;
    int tallest = 0;
    QString lastTitle;

private:
    QGroupBox* m_frame;
    QWidget* m_leftOut;
};

TEST_F(MainWindow, ManySmallPiecesRepaintOnlyTheCaptionAndNotForEachPiece)
{
    // In memory: a thousand pieces flushed to a disk would time the disk.
    TempDir dir(testsupport::memoryFolder());
    testsupport::writeFile(dir / "a.bin", testsupport::randomBytes(2000));
    auto* frame = control<QGroupBox>("Frame3");
    QApplication::processEvents();
    PaintCounter framePaints(frame, control<QWidget>("Drive1"));
    PaintCounter listPaints(control<QWidget>("File1"));
    // An interval passes every twentieth piece and no time in between.
    testsupport::TestClock clock;
    services.onPump = [&](int pumps) {
        if (pumps % 20 == 0)
            clock.advance(tarvolin::RepaintThrottle::interval);
    };
    ASSERT_TRUE(form.splitlt(dir / "a.bin", 2, dir / "a.bin")); // 1000 pieces
    // A repaint an interval, and one more that a timer makes up.
    const int intervals = 1000 / 20;
    EXPECT_GE(framePaints.paints, intervals) << "the caption follows the split";
    EXPECT_LE(framePaints.paints, 2 * intervals + 2) << "the screen need not follow every piece";
    EXPECT_LT(framePaints.tallest, 40) << "only the caption's strip";
    EXPECT_EQ(listPaints.paints, 0);

    // The last caption reaches the screen.
    const QString last = QString::fromStdString("正在处理:" + (dir / "a.bin") + ".999 100.00%");
    EXPECT_TRUE(QTest::qWaitFor([&] { return framePaints.lastTitle == last; }, 5000))
        << framePaints.lastTitle.toStdString();
    EXPECT_EQ(frame->title(), last);
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

// A scratch folder of this process that its death test's child, which runs
// the test's body again from its start, finds through the environment.
class SharedScratch
{
public:
    SharedScratch()
    {
        if (const char* named = std::getenv(variable)) {
            m_path = named;
        } else {
            m_own.emplace();
            m_path = m_own->path();
            ::setenv(variable, m_path.c_str(), 1);
        }
    }
    ~SharedScratch()
    {
        if (m_own)
            ::unsetenv(variable);
    }
    SharedScratch(const SharedScratch&) = delete;
    SharedScratch& operator=(const SharedScratch&) = delete;

    const fs::path& path() const { return m_path; }

private:
    static constexpr const char* variable = "TARVOLIN_TEST_SCRATCH";
    std::optional<TempDir> m_own;
    fs::path m_path;
};

void expectEndAfterTwoPieces(bool byCloseBox)
{
    const SharedScratch scratch;
    const fs::path& folder = scratch.path();
    const std::string source = testsupport::randomBytes(500);
    testsupport::writeFile((folder / "a.bin").string(), source);

    EXPECT_EXIT(splitUntilTheProgramEnds(folder.string(), byCloseBox), testing::ExitedWithCode(0),
                "");
    EXPECT_EQ(testsupport::listFolder(folder),
              (std::vector<std::string>{"a.bin", "a.bin.000", "a.bin.001"}));
    EXPECT_EQ(testsupport::readFile((folder / "a.bin.001").string()), source.substr(100, 100));
    EXPECT_EQ(testsupport::readFile((folder / "a.bin").string()), source);
}

TEST(MainWindowEnd, CloseButtonDuringASplitEndsTheProgramAtOnce)
{
    expectEndAfterTwoPieces(false);
}

TEST(MainWindowEnd, CloseBoxDuringASplitEndsTheProgramAtOnce)
{
    expectEndAfterTwoPieces(true);
}

} // namespace
