#include "ui/qt/Form1.h"

#include "platform/FileServices.h"
#include "platform/NameText.h"
#include "platform/Utf8.h"
#include "ui/Layout.h"
#include "ui/qt/Form2.h"
#include "ui/qt/LayoutBuilder.h"
#include "ui/qt/PathGroupBox.h"
#include "ui/qt/PathLabel.h"
#include "ui/qt/ProgressCaption.h"
#include "ui/qt/controls/DirListBox.h"
#include "ui/qt/controls/DriveListBox.h"
#include "ui/qt/controls/FileListBox.h"
#include "ui/qt/services/NativeNames.h"
#include "ui/qt/services/WindowServices.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <stdexcept>

namespace tarvolin {

namespace {

QString q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

template <typename T> T* Form1::control(const char* name) const
{
    T* found = findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        throw std::logic_error(std::string("Form1 has no control ") + name);
    return found;
}

Form1::Form1(WindowServices& services, Drives drives, QWidget* parent)
    : QWidget(parent), m_services(services), m_drives(std::move(drives))
{
    // The source path and the progress caption show the middle of a long
    // path shortened.
    buildFromLayout(*this, layout::form1,
                    [](const layout::Control& c, QWidget* container) -> QWidget* {
                        if (c.name == "Lab1")
                            return new PathLabel(container);
                        if (c.name == "Frame3")
                            return new PathGroupBox(container);
                        return nullptr;
                    });
    m_drive1 = control<DriveListBox>("Drive1");
    m_dir1 = control<DirListBox>("Dir1");
    m_file1 = control<FileListBox>("File1");
    m_lab1 = control<PathLabel>("Lab1");
    m_text1 = control<QLineEdit>("Text1");
    m_text2 = control<QLineEdit>("Text2");
    m_frame3 = control<PathGroupBox>("Frame3");
    m_progress = std::make_unique<ProgressCaption>(m_frame3);
    auto* command3 = control<QPushButton>("Command3");
    auto* command1 = control<QPushButton>("Command1");
    auto* command2 = control<QPushButton>("command2");

    // Enter presses the focused button, as Space does; no button is a default.
    for (QPushButton* button : {command3, command1, command2})
        button->installEventFilter(this);
    // Files dropped anywhere are chosen; the fields would take their names
    // as text.
    setAcceptDrops(true);
    for (QLineEdit* field : {m_text1, m_text2})
        field->installEventFilter(this);
    connect(command1, &QPushButton::clicked, this, [this] { m_behaviour.Command1_Click(); });
    connect(command3, &QPushButton::clicked, this, [this] { m_behaviour.Command3_Click(); });
    connect(command2, &QPushButton::clicked, this, [this] { m_behaviour.command2_Click(); });
    connect(m_drive1, &DriveListBox::changed, this, [this] { m_behaviour.Drive1_Change(); });
    connect(m_dir1, &DirListBox::changed, this, [this] { m_behaviour.Dir1_Change(); });
    connect(m_file1, &FileListBox::clicked, this, [this] { m_behaviour.File1_Click(); });

    // All three lists start on the current folder.
    const QString here = NativeNames::forQt(FileServices::currentFolder());
    m_drive1->setDrives(m_drives, here);
    m_dir1->setDrives(&m_drive1->drives());
    m_dir1->setPath(here);

    m_behaviour.Form_Load();
    command3->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1()
{
    delete m_about;
}

bool Form1::splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
{
    return m_behaviour.splitlt(sfile, splitsize, oname);
}

void Form1::chooseHanded(const std::vector<std::string>& names)
{
    m_behaviour.chooseHanded(names);
}

std::vector<std::string> Form1::localFiles(const QMimeData* data)
{
    std::vector<std::string> files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The path's bytes as the URL carries them: a name that is not UTF-8
        // stays percent-encoded in it and comes back byte for byte.
        files.push_back(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    }
    return files;
}

bool Form1::takeDrag(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const std::vector<std::string> files = localFiles(drop->mimeData());
    if (files.empty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        activateWindow();
        m_behaviour.chooseHanded(files);
    }
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event);
}

void Form1::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrag(event);
}

void Form1::dropEvent(QDropEvent* event)
{
    takeDrag(event);
}

std::string Form1::lab1Caption() const
{
    return m_lab1Path;
}

void Form1::setLab1Caption(const std::string& caption)
{
    // The path keeps the bytes of its names; a GBK name reads as Chinese.
    m_lab1Path = caption;
    m_lab1->setText(q(NameText::readable(caption)));
}

std::string Form1::lab1Tag() const
{
    return m_lab1->property("tag").toString().toStdString();
}

void Form1::setLab1Tag(const std::string& tag)
{
    m_lab1->setProperty("tag", q(tag));
}

std::string Form1::lab1ToolTip() const
{
    return m_lab1->toolTip().toStdString();
}

void Form1::setLab1ToolTip(const std::string& toolTip)
{
    m_lab1->setToolTip(q(toolTip));
}

std::string Form1::text1() const
{
    return m_text1->text().toStdString();
}

void Form1::setText1(const std::string& text)
{
    m_text1->setText(q(text));
}

std::string Form1::text2() const
{
    // The folder as written, with the bytes of its names, until the user
    // changes what it shows.
    if (m_text2->text() == m_text2Shown)
        return m_text2Folder;
    return m_text2->text().toStdString();
}

void Form1::setText2(const std::string& text)
{
    m_text2Folder = text;
    m_text2Shown = q(NameText::readable(text));
    m_text2->setText(m_text2Shown);
}

std::string Form1::drive1Drive() const
{
    return m_drive1->drive().toStdString();
}

std::string Form1::dir1Path() const
{
    return m_dir1->nativePath();
}

void Form1::setDrive1For(const std::string& path)
{
    m_drive1->choose(NativeNames::forQt(path));
}

bool Form1::setDir1Path(const std::string& folder)
{
    // The list raises its change, which reaches Dir1_Change, before it returns.
    // A folder named in other bytes than UTF-8 (GBK) keeps them.
    if (!Utf8::isWellFormed(folder))
        return m_dir1->setNativePath(folder);
    return m_dir1->setPath(q(folder));
}

std::string Form1::file1Path() const
{
    return m_file1->path().toStdString();
}

void Form1::setFile1Path(const std::string& folder)
{
    m_file1->setNativePath(folder);
}

int Form1::file1EntryCount() const
{
    return m_file1->entryCount();
}

std::string Form1::file1FileName() const
{
    return m_file1->nativeFileName();
}

bool Form1::setFile1FileName(const std::string& name)
{
    return m_file1->selectNative(name);
}

void Form1::focusText1()
{
    m_text1->setFocus(Qt::OtherFocusReason);
}

void Form1::setFrame3Caption(const std::string& caption)
{
    m_progress->set(NameText::readable(caption));
}

void Form1::showNotice(const std::string& text)
{
    // The notice shows the caption as it stands now.
    m_progress->repaintNow();
    m_services.showNotice(this, q(NameText::readable(text)));
}

void Form1::pumpEvents()
{
    m_services.pumpEvents();
}

void Form1::endProgram()
{
    m_services.endProgram();
}

void Form1::showAbout()
{
    if (m_about == nullptr) {
        m_about = new Form2();
        connect(m_about, &Form2::closed, this, &Form1::forgetAbout);
    }
    m_services.showWindow(m_about);
}

void Form1::forgetAbout()
{
    m_about = nullptr;
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_behaviour.Form_Unload();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        takeDrag(event))
        return true;
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
