#include "ui/qt/ShortenedPath.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tarvolin::shortenedPath;

const QChar ellipsis(0x2026);

struct Case
{
    const char* name;
    QString text;
    QString keptStart; // the text must start with this
    QString keptEnd;   // and end with this
};

class ShortenedPath : public testing::TestWithParam<Case>
{
protected:
    QFontMetrics metrics{QApplication::font()};
};

TEST_P(ShortenedPath, KeepsTheStartAndTheNameAndFitsTheWidth)
{
    const Case& c = GetParam();
    const int full = metrics.horizontalAdvance(c.text);
    for (int width : {full / 2, full * 2 / 3, full - 1}) {
        const QString shown = shortenedPath(c.text, metrics, width);
        EXPECT_LE(metrics.horizontalAdvance(shown), width) << c.name << " at " << width;
        EXPECT_TRUE(shown.contains(ellipsis)) << c.name << ": " << shown.toStdString();
        EXPECT_TRUE(shown.startsWith(c.keptStart)) << c.name << ": " << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(c.keptEnd)) << c.name << ": " << shown.toStdString();
    }
    EXPECT_EQ(shortenedPath(c.text, metrics, full), c.text) << c.name << ": it fits";
    EXPECT_EQ(shortenedPath(c.text, metrics, full + 50), c.text) << c.name;
}

const QString deep = QStringLiteral("/home/user/下载/一个很长很长的文件夹名字/another long folder/"
                                    "yet another folder/");

INSTANTIATE_TEST_SUITE_P(
    Paths, ShortenedPath,
    testing::Values(
        Case{"source path", deep + QStringLiteral("电影片段.avi"), QStringLiteral("/ho"),
             QStringLiteral("/电影片段.avi")},
        Case{"progress caption",
             QStringLiteral("正在处理:") + deep + QStringLiteral("电影片段.avi.003 45.00%"),
             QStringLiteral("正在处理:/"), QStringLiteral("/电影片段.avi.003 45.00%")},
        Case{"Windows path",
             QStringLiteral("C:\\Documents and Settings\\user\\My Documents\\archives\\"
                            "2026\\movie.avi"),
             QStringLiteral("C:\\"), QStringLiteral("\\movie.avi")},
        Case{"mixed separators", QStringLiteral("D:\\folder with a long name/sub\\name.bin"),
             QStringLiteral("D:"), QStringLiteral("\\name.bin")}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ShortenedPathEdges, ANameTooLongForTheWidthGivesWayInTheMiddle)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text =
        QStringLiteral("/a/") + QString(60, QLatin1Char('x')) + QStringLiteral(".avi.001 99.00%");
    const int width = metrics.horizontalAdvance(text) / 3;
    const QString shown = shortenedPath(text, metrics, width);
    EXPECT_LE(metrics.horizontalAdvance(shown), width);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/a/")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("99.00%"))) << "the percentage still shows";
}

TEST(ShortenedPathEdges, TextWithoutSeparatorIsShortenedInTheMiddle)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text(80, QLatin1Char('n'));
    const QString shown = shortenedPath(text, metrics, metrics.horizontalAdvance(text) / 2);
    EXPECT_TRUE(shown.contains(ellipsis));
    EXPECT_TRUE(shown.startsWith(QLatin1Char('n')) && shown.endsWith(QLatin1Char('n')));
    EXPECT_EQ(shortenedPath(QString(), metrics, 0), QString());
}

TEST(PlainToolTip, ShowsMarkupAsWrittenOneLineEach)
{
    const QString tip = tarvolin::plainToolTip(
        {QStringLiteral("/tmp/<b>x&lt;</b>"), QStringLiteral("文件长度: 5")});
    EXPECT_TRUE(Qt::mightBeRichText(tip)) << "so Qt never guesses";
    EXPECT_TRUE(tip.contains(QStringLiteral("/tmp/&lt;b&gt;x&amp;lt;&lt;/b&gt;<br>")));
    EXPECT_TRUE(tip.contains(QStringLiteral("white-space:pre")));
}

} // namespace
