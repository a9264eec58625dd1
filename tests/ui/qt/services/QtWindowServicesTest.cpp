#include "ui/qt/services/QtWindowServices.h"
#include "ui/qt/services/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace QtTranslations = tarvolin::QtTranslations;

// What the notice showed, read while it is open, then dismissed with its button.
struct SeenNotice
{
    QString title, text, button;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

SeenNotice showAndRead(const QString& text)
{
    SeenNotice seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->buttons().value(0)->text(), box->textFormat(),
                box->icon()};
        ASSERT_EQ(box->buttons().size(), 1);
        box->buttons().first()->click();
    });
    tarvolin::QtWindowServices().showNotice(nullptr, text);
    return seen;
}

TEST(QtTranslations, ChineseLocalesKeepTheirOwnOthersGetSimplifiedChinese)
{
    const QLocale simplified(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    EXPECT_EQ(QtTranslations::localeFor(QLocale::c()), simplified);
    EXPECT_EQ(QtTranslations::localeFor(QLocale(QLocale::English, QLocale::UnitedStates)),
              simplified);
    EXPECT_EQ(QtTranslations::localeFor(QLocale(QLocale::German)), simplified);
    EXPECT_EQ(QtTranslations::localeFor(taiwan), taiwan);
}

// The tests run in the C locale: Qt's texts must come out in Simplified Chinese.
TEST(QtWindowServices, NoticeIsPlainTextWithAChineseOkButton)
{
    ASSERT_TRUE(QtTranslations::install());
    for (const QString& text : {QStringLiteral("错误提示信息:无法打开文件 /tmp/<b>粗体</b>.bin"),
                                QStringLiteral("/data/a &lt; b &amp; c.bin\r\n第二行")}) {
        const SeenNotice seen = showAndRead(text);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.text, QString(text).replace("\r\n", "\n"));
        EXPECT_EQ(seen.title, "Tarvolin");
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.button, "确定");
    }

    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList actions;
    for (const QAction* action : menu->actions())
        actions << action->text();
    EXPECT_TRUE(actions.join(' ').contains("复制")) << actions.join(' ').toStdString();
}

} // namespace
