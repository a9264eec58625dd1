#include "ui/qt/controls/ListBox.h"
#include "tests/support/qt/QtPrinters.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tarvolin::ListBox;

// A list of more entries than it shows, entered by Tab from a button.
class Keys : public testing::Test
{
protected:
    Keys()
    {
        window.resize(200, 200);
        before->setGeometry(0, 0, 100, 20);
        list->setGeometry(0, 30, 150, 100);
        for (const char* name : {"alpha", "beta", "bravo", "charlie", "delta", "echo", "foxtrot",
                                 "golf", "hotel", "india", "juliet", "kilo"})
            list->addItem(name);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        EXPECT_TRUE(list->hasFocus());
    }
    QString selected() const
    {
        const auto items = list->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }

    QWidget window;
    QWidget* before = new QPushButton("before", &window);
    ListBox* list = new ListBox(&window);
    QSignalSpy clicks{list, &ListBox::clicked};
};

TEST_F(Keys, TabSelectsNothingThenEveryCaretKeySelectsAndClicks)
{
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(clicks.count(), 0);

    struct Step
    {
        int key;
        QString text, selected;
    };
    const Step steps[] = {
        {Qt::Key_Home, {}, "alpha"}, // the caret already stood there
        {Qt::Key_Home, {}, "alpha"}, // and again: a click all the same
        {Qt::Key_Down, {}, "beta"},  {Qt::Key_End, {}, "kilo"},  {Qt::Key_Up, {}, "juliet"},
        {Qt::Key_PageUp, {}, {}},    {Qt::Key_PageDown, {}, {}}, {Qt::Key_D, "d", "delta"},
        {Qt::Key_D, "d", "delta"},
    };
    int expected = 0;
    for (const Step& step : steps) {
        QTest::keyClick(list, static_cast<Qt::Key>(step.key));
        ++expected;
        EXPECT_EQ(clicks.count(), expected) << step.key;
        ASSERT_NE(list->currentItem(), nullptr);
        EXPECT_EQ(selected(), list->currentItem()->text()) << step.key;
        if (!step.selected.isEmpty()) {
            EXPECT_EQ(selected(), step.selected) << step.key;
        }
    }
}

TEST_F(Keys, BlankClickAndCtrlClickKeepTheSelection)
{
    // Refilled while it has the focus: no caret, and End still goes to the end.
    list->clear();
    for (const char* name : {"one", "two"})
        list->addItem(name);
    QTest::keyClick(list, Qt::Key_End);
    ASSERT_EQ(selected(), "two");
    const int before = clicks.count();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 90)); // below the entries
    EXPECT_EQ(selected(), "two");
    EXPECT_EQ(clicks.count(), before);

    const QPoint two = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, two);
    EXPECT_EQ(selected(), "two");
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selected(), "two");

    const QPoint one = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, one);
    EXPECT_EQ(selected(), "one");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, one); // the selected one again
    EXPECT_EQ(selected(), "one");
    EXPECT_EQ(clicks.count(), before + 3);
}

} // namespace
