// The progress caption of a frame, repainted at most once an interval: a
// caption that comes within an interval of the last repaint is painted
// when the interval is over, every time.

#include "ui/qt/ProgressCaption.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The caption a widget shows at each of its paints.
class PaintedTitles : public QObject
{
public:
    explicit PaintedTitles(QGroupBox* frame) : m_frame(frame) { frame->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            titles << m_frame->title();
        return false;
    }
    QStringList titles;

private:
    QGroupBox* m_frame;
};

TEST(ProgressCaption, EveryPostponedCaptionIsPainted)
{
    QGroupBox frame;
    frame.resize(400, 120);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    PaintedTitles painted(&frame);
    testsupport::TestClock clock;
    tarvolin::ProgressCaption caption(&frame);
    for (const QString& text :
         {QStringLiteral("正在处理:a.000 50.00%"), QStringLiteral("正在处理:a.001 100.00%")}) {
        // Painted just before, with no time passed since: the caption is put off.
        caption.repaintNow();
        QApplication::processEvents();
        painted.titles.clear();
        caption.set(text.toStdString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return painted.titles.contains(text); }, 5000))
            << text.toStdString() << " never painted";
    }
}

} // namespace
