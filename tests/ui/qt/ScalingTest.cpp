// The windows at the desktop's usual font sizes, drawn at 150 % (CTest runs
// this suite with QT_SCALE_FACTOR=1.5): every caption and every field's line
// of text fits its control, and the layout keeps its proportions.

#include "tests/support/qt/QtPrinters.h"
#include "tests/support/qt/RecordingWindowServices.h"
#include "ui/Layout.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form2.h"
#include "ui/qt/LayoutBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace layout = tarvolin::layout;

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string describe(const QRect& r)
{
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" +
           std::to_string(r.x()) + "+" + std::to_string(r.y());
}

// The application's font and style for one test, restored afterwards.
class DesktopLook
{
public:
    DesktopLook(const QString& style, int pointSize) : m_font(QApplication::font())
    {
        QApplication::setStyle(QStyleFactory::create(style));
        QFont font = m_font;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    ~DesktopLook() { QApplication::setFont(m_font); }

private:
    QFont m_font;
};

// Each caption and line of text in window fits the room its control gives
// it, measured with the control's own font metrics and style.
void expectEveryTextFits(const QWidget& window, const layout::Window& table)
{
    for (const layout::Control& c : table.controls) {
        const QString text = qText(c.text);
        QWidget* widget = window.findChild<QWidget*>(qText(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        const QFontMetrics metrics = widget->fontMetrics();
        const std::string where = std::string(table.name) + "." + std::string(c.name);
        if (c.kind == layout::Kind::Label) {
            auto* label = static_cast<QLabel*>(widget);
            const QRect room = label->contentsRect();
            const QString line = text.isEmpty() ? QStringLiteral("/home/文件") : text;
            const QRect used =
                metrics.boundingRect(room, static_cast<int>(label->alignment()), line);
            EXPECT_TRUE(room.contains(used))
                << where << ": " << describe(used) << " in " << describe(room);
            EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << where;
        } else if (c.kind == layout::Kind::CommandButton) {
            auto* button = static_cast<QPushButton*>(widget);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QRect used = metrics.boundingRect(room, Qt::AlignCenter, text);
            EXPECT_TRUE(room.contains(used))
                << where << ": " << describe(used) << " in " << describe(room);
        } else if (c.kind == layout::Kind::TextBox || c.kind == layout::Kind::DriveList) {
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << where;
        } else if (c.kind == layout::Kind::Frame && !text.isEmpty()) {
            auto* frame = static_cast<QGroupBox*>(widget);
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.text = text;
            option.textAlignment = frame->alignment();
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            EXPECT_TRUE(frame->rect().contains(caption)) << where << ": " << describe(caption);
            EXPECT_GE(caption.width(), metrics.horizontalAdvance(text)) << where;
            for (QWidget* held : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_GE(held->y(), metrics.boundingRect(text).height() - 1)
                    << where << ": its caption runs into " << held->objectName().toStdString();
            }
        }
    }
}

// Every rectangle is its twips at the one scale the window was laid out at.
void expectOneScale(const QWidget& window, const layout::Window& table)
{
    const int dpi = tarvolin::layoutDpi(window);
    const layout::Rect client = layout::toPixels(table.client, dpi);
    EXPECT_EQ(window.size(), QSize(client.width, client.height)) << table.name;
    for (const layout::Control& c : table.controls) {
        const layout::Rect r = c.pixels(dpi);
        EXPECT_EQ(window.findChild<QWidget*>(qText(c.name))->geometry(),
                  QRect(r.left, r.top, r.width, r.height))
            << table.name << "." << c.name;
    }
}

struct Look
{
    const char* style;
    int pointSize;
};

class Scaling : public testing::TestWithParam<Look>
{
};

TEST_P(Scaling, EveryCaptionAndFieldFitsItsControl)
{
    DesktopLook look(QString::fromLatin1(GetParam().style), GetParam().pointSize);
    testsupport::RecordingWindowServices services;
    tarvolin::Form1 form(services);
    tarvolin::Form2 about;
    form.show();
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(form.devicePixelRatio(), 1.5) << "the suite runs at 150 %";
    EXPECT_EQ(form.font().pointSize(), GetParam().pointSize);

    expectEveryTextFits(form, layout::form1);
    expectEveryTextFits(about, layout::form2);
    expectOneScale(form, layout::form1);
    expectOneScale(about, layout::form2);
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "still a fixed border";
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, Scaling,
                         testing::Values(Look{"Windows", 9}, Look{"Windows", 10},
                                         Look{"Windows", 11}, Look{"Windows", 12},
                                         Look{"Fusion", 9}, Look{"Fusion", 11}, Look{"Fusion", 12}),
                         [](const testing::TestParamInfo<Look>& info) {
                             return std::string(info.param.style) + "_" +
                                    std::to_string(info.param.pointSize) + "pt";
                         });

TEST(ScalingFontChange, AnOpenWindowGrowsWithANewFontAndStaysWhereItIs)
{
    DesktopLook look(QStringLiteral("Windows"), 9);
    testsupport::RecordingWindowServices services;
    tarvolin::Form1 form(services);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int smallDpi = tarvolin::layoutDpi(form);
    const QPoint place = form.pos();

    const QFont small = QApplication::font();
    QFont larger = small;
    larger.setPointSize(12);
    QApplication::setFont(larger);
    QApplication::processEvents();
    EXPECT_GT(tarvolin::layoutDpi(form), smallDpi);
    EXPECT_EQ(form.pos(), place);
    expectEveryTextFits(form, layout::form1);
    expectOneScale(form, layout::form1);

    // And shrinks back with the smaller font.
    QApplication::setFont(small);
    QApplication::processEvents();
    EXPECT_EQ(tarvolin::layoutDpi(form), smallDpi);
}

} // namespace
