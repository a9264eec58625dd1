#pragma once

#include "ui/MainWindowBehaviour.h"
#include "ui/MainWindowView.h"
#include "ui/win32/ControlSet.h"
#include "ui/win32/TaskbarProgress.h"
#include "ui/win32/Window.h"
#include "ui/win32/controls/DirListBox.h"
#include "ui/win32/controls/DriveListBox.h"
#include "ui/win32/controls/FileListBox.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvolin {

class Form2;
class PathLabel;
class ProgressCaption;
class WindowServices;

// The main window: a thin view over MainWindowBehaviour. It builds its
// controls from the layout table, hands every event to the behaviour's
// handler and lets the behaviour read and write the controls through the
// view. Enter presses the focused button (and opens the selected folder in
// Dir1); no button is the default, and Escape does nothing. Files dropped
// onto it anywhere are chosen as MainWindowBehaviour::chooseHanded says.
class Form1 : public Window<Form1>, public MainWindowView
{
public:
    // Creates the window, hidden, with its lists on the process's current
    // folder, and runs its load handler.
    explicit Form1(WindowServices& services);
    ~Form1() override;

    // Shows the window with the focus on "开始分割".
    void show();

    bool splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname);

    // Chooses the first of names (the command line's arguments, as UTF-8)
    // as a click of File1 would; see MainWindowBehaviour::chooseHanded.
    void chooseHanded(const std::vector<std::string>& names);
    // The arguments of a command line (GetCommandLineW) after the program's
    // own name, as UTF-8, long paths and all.
    static std::vector<std::string> commandLineNames(const wchar_t* commandLine);

    const ControlSet& controls() const { return *m_controls; }
    // The About window while it is open; null otherwise.
    Form2* about() const;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The view.
    std::string lab1Caption() const override;
    void setLab1Caption(const std::string& caption) override;
    std::string lab1Tag() const override { return m_lab1Tag; }
    void setLab1Tag(const std::string& tag) override { m_lab1Tag = tag; }
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
    // The whole progress caption, however shortened it is shown.
    const std::string& frame3Caption() const;
    void setProgressShare(double share, bool failed) override;
    void endProgress() override;
    void showNotice(const std::string& text) override;
    void pumpEvents() override;
    void endProgram() override;
    void showAbout() override;

private:
    HWND makeList(const layout::Control& control, int id);
    void onCommand(int id, int code);
    void onActivate(bool active);
    void onDeviceChange(WPARAM event, LPARAM details);
    void onTimer(UINT_PTR timer);
    void onDropFiles(HDROP drop);
    // What follows each layout: the folder list's line height, and Lab1's
    // and Frame3's texts shortened to the new room in the new font.
    void onLaidOut();
    std::string text(std::string_view control) const;
    void setText(std::string_view control, const std::string& text);

    WindowServices& m_services;
    MainWindowBehaviour m_behaviour{*this};
    std::unique_ptr<DriveListBox> m_drive1;
    std::unique_ptr<DirListBox> m_dir1;
    std::unique_ptr<FileListBox> m_file1;
    std::unique_ptr<ControlSet> m_controls;
    std::unique_ptr<PathLabel> m_lab1;
    std::string m_lab1Tag;
    std::unique_ptr<ProgressCaption> m_frame3;
    // The control that had the focus when the window was last deactivated.
    HWND m_focus = nullptr;
    std::unique_ptr<Form2> m_about;
    std::unique_ptr<TaskbarProgress> m_taskbar;
    // File1 follows its folder on disk: it looks at it every tick while the
    // window shows. (Timer 1 is Frame3's.)
    static constexpr UINT_PTR followTimer = 2;
};

} // namespace tarvolin
