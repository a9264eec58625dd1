#pragma once

#include "ui/MainWindowBehaviour.h"
#include "ui/MainWindowView.h"
#include "ui/qt/controls/Drives.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QGroupBox;
class QMimeData;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvolin {

class DirListBox;
class DriveListBox;
class FileListBox;
class Form2;
class PathGroupBox;
class PathLabel;
class ProgressCaption;
class WindowServices;

// The main window in Qt: the drive, folder and file lists that choose the
// source, the piece size and output folder fields, and the start, close
// and About buttons, built from the stored layout layout::form1
// (ui/Layout.h). A thin view: every event goes to MainWindowBehaviour,
// which reads and writes the controls through MainWindowView. Files
// dropped onto it anywhere (local files from a file manager) are chosen as
// MainWindowBehaviour::chooseHanded says.
class Form1 : public QWidget, public MainWindowView
{
    Q_OBJECT

public:
    // The lists start on the process's current folder, among drives.
    explicit Form1(WindowServices& services, Drives drives = Drives::system(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    // Splits sfile into pieces of splitsize bytes named after oname, through
    // this window's piece buffer, with progress in Frame3's caption. False
    // only when the split was refused.
    bool splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname);

    // Chooses the first of names (the command line's arguments, as their
    // bytes) as a click of File1 would; see MainWindowBehaviour::chooseHanded.
    void chooseHanded(const std::vector<std::string>& names);

    // The local files a drag carries, each as the file system's bytes (a
    // GBK name included); none when it carries no local file.
    static std::vector<std::string> localFiles(const QMimeData* data);

    // MainWindowView
    std::string lab1Caption() const override;
    void setLab1Caption(const std::string& caption) override;
    std::string lab1Tag() const override;
    void setLab1Tag(const std::string& tag) override;
    std::string lab1ToolTip() const override;
    void setLab1ToolTip(const std::string& toolTip) override;
    std::string text1() const override;
    void setText1(const std::string& text) override;
    std::string text2() const override;
    void setText2(const std::string& text) override;
    std::string drive1Drive() const override;
    void setDrive1For(const std::string& path) override;
    std::string dir1Path() const override;
    bool setDir1Path(const std::string& folder) override;
    std::string file1Path() const override;
    void setFile1Path(const std::string& folder) override;
    int file1EntryCount() const override;
    std::string file1FileName() const override;
    bool setFile1FileName(const std::string& name) override;
    void focusText1() override;
    void setFrame3Caption(const std::string& caption) override;
    void showNotice(const std::string& text) override;
    void pumpEvents() override;
    void endProgram() override;
    void showAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <typename T> T* control(const char* name) const;
    // A drag or drop over the window or one of its fields; true when it
    // carries local files, which the window takes.
    bool takeDrag(QEvent* event);
    void forgetAbout();

    WindowServices& m_services;
    Drives m_drives;
    MainWindowBehaviour m_behaviour{*this};

    DriveListBox* m_drive1;
    DirListBox* m_dir1;
    FileListBox* m_file1;
    PathLabel* m_lab1;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
    // Lab1's path and Text2's folder as the behaviour wrote them, in the
    // file system's bytes; the controls show their readable form.
    std::string m_lab1Path;
    std::string m_text2Folder;
    QString m_text2Shown;
    PathGroupBox* m_frame3;
    std::unique_ptr<ProgressCaption> m_progress;
    // The one About window while it is open; it has no owner and deletes
    // itself when closed, and is forgotten as soon as it closes, before the
    // deletion.
    QPointer<Form2> m_about;
};

} // namespace tarvolin
