#include "Form1.h"
#include "ui_Form1.h"

#include "FileServices.h"
#include "Form2.h"
#include "NumberServices.h"
#include "SplitRun.h"
#include "WindowServices.h"
#include "WindowSplitHost.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>

#include <optional>

namespace tarvolin {

namespace {

// The client area's top-left corner on the screen: (2370, 1635) twips.
constexpr int leftOnScreen = 158;
constexpr int topOnScreen = 109;

} // namespace

Form1::Form1(WindowServices& services, Drives drives, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form1>()), m_services(services),
      m_drives(std::move(drives))
{
    ui->setupUi(this);
    // A sizable frame with the system menu, minimize and close; no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(leftOnScreen, topOnScreen, width(), height());

    // Enter presses the focused button, as Space does; no button is a default.
    for (QPushButton* button : {ui->Command3, ui->Command1, ui->command2})
        button->installEventFilter(this);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(ui->command2, &QPushButton::clicked, this, &Form1::command2_Click);
    connect(ui->Drive1, &DriveListBox::changed, this, &Form1::Drive1_Change);
    connect(ui->Dir1, &DirListBox::changed, this, &Form1::Dir1_Change);
    connect(ui->File1, &FileListBox::clicked, this, &Form1::File1_Click);

    // All three lists start on the current folder.
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    ui->Drive1->setDrives(m_drives, here);
    ui->Dir1->setDrives(&ui->Drive1->drives());
    ui->Dir1->setPath(here);

    Form_Load();
    ui->Command3->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1()
{
    delete m_about;
}

bool Form1::splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
{
    WindowSplitHost host(m_services, this, ui->Frame3);
    return tarvolin::splitlt(host, m_pieceBuffer, sfile, splitsize, oname);
}

void Form1::Form_Load()
{
    ui->Lab1->setProperty("tag", ui->Lab1->text());
}

void Form1::Drive1_Change()
{
    ui->Lab1->setText(ui->Lab1->property("tag").toString());
    // A drive that is not ready fails here, silently: the folder and file
    // lists stay where they were.
    ui->Dir1->setPath(ui->Drive1->drive());
}

void Form1::Dir1_Change()
{
    ui->File1->setNativePath(ui->Dir1->nativePath());
}

void Form1::File1_Click()
{
    if (ui->File1->entryCount() <= 0)
        return;
    const QString separator = QDir::separator();
    const QString folder = ui->Dir1->path();
    const QString name = ui->File1->fileName();
    if (!folder.endsWith(separator)) {
        ui->Lab1->setText(folder + separator + name);
        ui->Text2->setText(folder + separator);
    } else {
        ui->Lab1->setText(folder + name);
        ui->Text2->setText(folder);
    }
    const qint64 length = FileServices::fullLength(ui->Lab1->text().toStdString());
    ui->Lab1->setToolTip(
        QStringLiteral("被分割文件长度：（字节）") +
        (length >= 0 ? QString::number(length) : QStringLiteral("未知（文件已不存在或无法读取）")));
}

void Form1::Command1_Click()
{
    m_services.endProgram();
}

void Form1::Command3_Click()
{
    // Every failure here is the click's own and ends it without a word; the
    // split reports its own failures. The values are copies, so whatever the
    // user changes while the split runs does not reach it.
    try {
        const std::string sfile = ui->Lab1->text().toStdString();
        const std::string sizeText = ui->Text1->text().toStdString();
        const QString folder = ui->Text2->text();
        const QString name = ui->File1->fileName();
        const std::string oname = (folder + name).toStdString();
        const std::optional<std::int32_t> splitsize = NumberServices::numberFromText(sizeText);
        if (!splitsize)
            return;
        splitlt(sfile, *splitsize, oname);
    } catch (const std::exception&) {
    }
}

void Form1::command2_Click()
{
    if (m_about == nullptr)
        m_about = new Form2();
    m_services.showWindow(m_about);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_services.endProgram();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvolin
