// The progress caption of a frame, repainted at most once an interval: a
// caption that comes within an interval of the last repaint is painted
// when the interval is over, every time.

#include "ui/qt/ProgressCaption.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tarvolin::RepaintThrottle;

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
    tarvolin::ProgressCaption caption(&frame);
    for (const QString& text :
         {QStringLiteral("正在处理:a.000 50.00%"), QStringLiteral("正在处理:a.001 100.00%")}) {
        // Painted just before: the caption comes within the interval and is
        // put off (tried again on a machine too busy to come that soon).
        bool postponed = false;
        for (int attempt = 0; attempt < 20 && !postponed; ++attempt) {
            const RepaintThrottle::Clock::time_point before = RepaintThrottle::Clock::now();
            caption.repaintNow();
            QApplication::processEvents();
            painted.titles.clear();
            caption.set(text.toStdString());
            postponed = RepaintThrottle::Clock::now() - before < RepaintThrottle::interval;
        }
        ASSERT_TRUE(postponed);
        EXPECT_TRUE(QTest::qWaitFor([&] { return painted.titles.contains(text); }, 1000))
            << text.toStdString() << " never painted";
    }
}

} // namespace
