#pragma once

// Drives the real main window as a user would: mouse clicks on list
// entries, Enter on a folder, arrow keys in the drive list, typing.

#include "ui/qt/Form1.h"
#include "ui/qt/controls/DirListBox.h"
#include "ui/qt/controls/DriveListBox.h"
#include "ui/qt/controls/FileListBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace testsupport {

class FormDriver
{
public:
    explicit FormDriver(tarvolin::Form1& form) : m_form(form) {}

    template <typename T> T* control(const char* name) const
    {
        T* found = m_form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    tarvolin::DriveListBox* drive1() const { return control<tarvolin::DriveListBox>("Drive1"); }
    tarvolin::DirListBox* dir1() const { return control<tarvolin::DirListBox>("Dir1"); }
    tarvolin::FileListBox* file1() const { return control<tarvolin::FileListBox>("File1"); }
    QLabel* lab1() const { return control<QLabel>("Lab1"); }
    QLineEdit* text1() const { return control<QLineEdit>("Text1"); }
    QLineEdit* text2() const { return control<QLineEdit>("Text2"); }
    QGroupBox* frame3() const { return control<QGroupBox>("Frame3"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }

    static QStringList texts(const QListWidget* list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }

    // A mouse click on the entry named text.
    static void clickEntry(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }

    // Opens the folder entry named text with Enter.
    void openFolder(const QString& text) const
    {
        const auto found = dir1()->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        dir1()->setCurrentItem(found.first());
        QTest::keyClick(dir1(), Qt::Key_Return);
    }

    // Moves the drive list to index with the arrow keys.
    void pickDrive(int index) const
    {
        drive1()->setFocus();
        QTest::keyClick(drive1(), index > drive1()->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(drive1()->currentIndex(), index);
    }

    void typeInto(QLineEdit* edit, const QString& text) const
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void press(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

private:
    tarvolin::Form1& m_form;
};

} // namespace testsupport
