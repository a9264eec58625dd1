#include "ui/qt/Form2.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/FormDriver.h"
#include "tests/support/qt/QtInput.h"
#include "tests/support/qt/QtPrinters.h"
#include "tests/support/qt/RecordingWindowServices.h"
#include "ui/Layout.h"
#include "ui/qt/Form1.h"
#include "ui/qt/LayoutBuilder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

namespace layout = tarvolin::layout;

// A rectangle in pixels at the dots per inch window was laid out at.
QRect pixels(const layout::Rect& twips, const QWidget& window)
{
    const layout::Rect r = layout::toPixels(twips, tarvolin::layoutDpi(window));
    return {r.left, r.top, r.width, r.height};
}

QList<tarvolin::Form2*> aboutWindows()
{
    QList<tarvolin::Form2*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<tarvolin::Form2*>(widget))
            found << about;
    }
    return found;
}

// Lets the windows closed so far go.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TEST(AboutWindow, HoldsItsPictureAndTextsAsLaidOut)
{
    tarvolin::Form2 about;
    about.show();
    EXPECT_EQ(about.windowTitle().toStdString(), layout::form2.caption);
    EXPECT_EQ(about.objectName(), "Form2");
    EXPECT_GE(tarvolin::layoutDpi(about), layout::defaultDpi);
    EXPECT_EQ(tarvolin::layoutDpi(about), tarvolin::fittingDpi(about, layout::form2));
    EXPECT_EQ(about.geometry(), pixels(layout::form2.client, about));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "a fixed border";
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.parentWidget(), nullptr) << "no owner";
    EXPECT_TRUE(about.testAttribute(Qt::WA_DeleteOnClose));

    ASSERT_EQ(layout::form2.controls.size(), 4u);
    EXPECT_EQ(about.findChildren<QWidget*>().size(), 4);
    for (const layout::Control& c : layout::form2.controls) {
        const QString name =
            QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size()));
        auto* label = about.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->parentWidget(), &about) << c.name;
        EXPECT_EQ(label->geometry(), pixels(c.twips, about)) << c.name;
        if (c.kind == layout::Kind::Label) {
            EXPECT_EQ(label->text().toStdString(), c.text) << c.name;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << c.name;
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft) << c.name;
        }
    }
    auto* image = about.findChild<QLabel*>("Image1");
    EXPECT_EQ(image->pixmap().size(), QSize(layout::emblemWidth, layout::emblemHeight))
        << "shown at its own size";
    const layout::Rect stored = layout::form2.control("Image1").pixels();
    EXPECT_EQ(image->pixmap().size(), QSize(stored.width, stored.height))
        << "its rectangle at 96 dots per inch";
    EXPECT_TRUE(image->rect().contains(QRect(QPoint(0, 0), image->pixmap().size())))
        << "a larger font grows the rectangle, not the picture";
    EXPECT_FALSE(image->hasScaledContents());
    for (QWidget* child : about.findChildren<QWidget*>())
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
}

TEST(AboutWindow, EmblemIsTheStoredGif)
{
    QFile file(":/emblem.gif");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray gif = file.readAll();
    ASSERT_EQ(gif.size(), 1691);
    const auto byte = [&](int at) { return static_cast<unsigned char>(gif[at]); };
    const auto word = [&](int at) { return byte(at) | byte(at + 1) << 8; };
    EXPECT_EQ(gif.left(6), "GIF89a");
    EXPECT_EQ(word(6), 34);
    EXPECT_EQ(word(8), 33);
    EXPECT_EQ(byte(10) & 0x80, 0x80) << "a global colour table";
    EXPECT_EQ(byte(10) & 0x07, 7) << "of 256 entries";

    // Walk the blocks after the colour table.
    int at = 13 + 256 * 3;
    int images = 0;
    int transparentIndex = -1;
    const auto skipSubBlocks = [&] {
        while (byte(at) != 0)
            at += byte(at) + 1;
        ++at;
    };
    while (at < gif.size() && byte(at) != 0x3B) {
        if (byte(at) == 0x21) {
            if (byte(at + 1) == 0xF9) {
                EXPECT_EQ(byte(at + 3) & 0x01, 1) << "transparency on";
                transparentIndex = byte(at + 6);
            }
            EXPECT_NE(byte(at + 1), 0xFF) << "no application block, so no animation";
            at += 2;
            skipSubBlocks();
        } else {
            ASSERT_EQ(byte(at), 0x2C) << "unexpected block at " << at;
            ++images;
            EXPECT_EQ(word(at + 1), 0);
            EXPECT_EQ(word(at + 3), 0);
            EXPECT_EQ(word(at + 5), 34);
            EXPECT_EQ(word(at + 7), 33);
            EXPECT_EQ(byte(at + 9) & 0x80, 0) << "no local colour table";
            EXPECT_EQ(byte(at + 9) & 0x40, 0) << "not interlaced";
            at += 11;
            skipSubBlocks();
        }
    }
    EXPECT_EQ(at, gif.size() - 1) << "the trailer ends the file";
    EXPECT_EQ(images, 1);
    EXPECT_EQ(transparentIndex, 255);

    const QImage picture(":/emblem.gif");
    ASSERT_EQ(picture.size(), QSize(layout::emblemWidth, layout::emblemHeight));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "the corners let the background through";
    EXPECT_EQ(qAlpha(picture.pixel(17, 16)), 255);
}

class AboutButton : public testing::Test
{
protected:
    void TearDown() override
    {
        form.reset();
        settle();
        EXPECT_TRUE(aboutWindows().isEmpty());
    }

    testsupport::RecordingWindowServices services;
    std::unique_ptr<tarvolin::Form1> form = std::make_unique<tarvolin::Form1>(services);
    testsupport::FormDriver user{*form};
};

TEST_F(AboutButton, OpensOneWindowHoweverOftenPressed)
{
    form->show();
    user.press("command2");
    user.press("command2");
    ASSERT_EQ(aboutWindows().size(), 1);
    EXPECT_TRUE(aboutWindows().first()->isVisible());
}

TEST_F(AboutButton, ReopensAFreshWindowAtItsPlaceAfterClosing)
{
    user.press("command2");
    tarvolin::Form2* first = aboutWindows().first();
    first->move(10, 10);
    first->close();
    settle();
    EXPECT_TRUE(aboutWindows().isEmpty()) << "closing destroys it";
    EXPECT_EQ(services.programEnds, 0);

    user.press("command2");
    ASSERT_EQ(aboutWindows().size(), 1);
    EXPECT_EQ(aboutWindows().first()->geometry(),
              pixels(layout::form2.client, *aboutWindows().first()));
}

TEST_F(AboutButton, OpensAgainWhenPressedRightAfterClosing)
{
    // The closed window is only deleted once the event loop turns again; a
    // press before that must not show the dying window.
    form->show();
    for (int round = 0; round < 2; ++round) {
        user.press("command2");
        ASSERT_EQ(aboutWindows().size(), 1);
        tarvolin::Form2* closed = aboutWindows().first();
        ASSERT_TRUE(closed->close());
        user.button("command2")->click(); // no event loop turn in between
        settle();
        const QList<tarvolin::Form2*> open = aboutWindows();
        ASSERT_EQ(open.size(), 1) << "round " << round;
        EXPECT_TRUE(open.first()->isVisible()) << "round " << round;
        EXPECT_EQ(open.first()->geometry(), pixels(layout::form2.client, *open.first()))
            << "round " << round;
        open.first()->close();
        settle();
    }
    EXPECT_EQ(services.programEnds, 0);
}

TEST_F(AboutButton, MainWindowTakesInputWhileItIsOpen)
{
    testsupport::TempDir dir;
    testsupport::writeFile(dir / "a.bin", testsupport::randomBytes(300));
    form->show();
    user.press("command2");
    user.dir1()->setPath(QString::fromStdString(dir.path().string()));
    user.clickEntry(user.file1(), "a.bin");
    user.typeInto(user.text1(), "100");
    user.press("Command3");
    EXPECT_EQ(services.notices.size(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "a.bin.BAT"));
    EXPECT_TRUE(aboutWindows().first()->isVisible());
}

TEST_F(AboutButton, OpensDuringASplitWhichGoesOn)
{
    testsupport::TempDir dir;
    testsupport::writeFile(dir / "a.bin", testsupport::randomBytes(500));
    services.onPump = [&](int pumps) {
        if (pumps == 1)
            testsupport::postClick(user.button("command2"));
    };
    EXPECT_TRUE(form->splitlt(dir / "a.bin", 100, dir / "a.bin"));
    EXPECT_EQ(aboutWindows().size(), 1);
    EXPECT_EQ(services.pumps, 5);
    EXPECT_EQ(services.notices.size(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "a.bin.BAT"));
}

} // namespace
