#include "ui/win32/Form1.h"

#include "platform/FileServices.h"
#include "platform/windows/WideText.h"
#include "ui/FolderFollowing.h"
#include "ui/win32/Form2.h"
#include "ui/win32/PathLabel.h"
#include "ui/win32/ProgressCaption.h"
#include "ui/win32/services/DpiFunctions.h"
#include "ui/win32/services/WindowServices.h"
#include "ui/win32/services/WindowText.h"

#include <commctrl.h>
#include <dbt.h>
#include <shellapi.h>

namespace tarvolin {

Form1::Form1(WindowServices& services) : m_services(services)
{
    const layout::Window& table = layout::form1;
    create(L"TarvolinForm1", wideText(std::string(table.caption)).c_str(),
           ControlSet::windowStyle(table.border), 0);
    m_controls = std::make_unique<ControlSet>(
        handle(), table, [this](const layout::Control& c, int id) { return makeList(c, id); });
    m_lab1 = std::make_unique<PathLabel>(handle(), (*m_controls)["Lab1"]);
    m_frame3 = std::make_unique<ProgressCaption>(handle(), *m_controls,
                                                 std::string(table.control("Frame3").text));

    m_controls->layOut(DpiFunctions::forWindow(handle()));
    onLaidOut();
    m_controls->placeWindow();
    m_taskbar = std::make_unique<TaskbarProgress>(handle());

    // All three lists start on the current folder.
    const std::wstring here = wideText(FileServices::currentFolder());
    m_drive1->choose(here);
    m_dir1->changed = [this] { m_behaviour.Dir1_Change(); };
    setDir1Path(utf8Text(here));
    SetTimer(handle(), followTimer, static_cast<UINT>(FolderFollowing::tick.count()), nullptr);

    m_behaviour.Form_Load();
    // Files dropped onto any of its controls reach the window.
    DragAcceptFiles(handle(), TRUE);
}

Form1::~Form1()
{
    m_about.reset();
    if (handle() != nullptr)
        DestroyWindow(handle());
}

HWND Form1::makeList(const layout::Control& control, int id)
{
    switch (control.kind) {
    case layout::Kind::DriveList:
        m_drive1 = std::make_unique<DriveListBox>(handle(), id);
        return m_drive1->handle();
    case layout::Kind::FolderList:
        m_dir1 = std::make_unique<DirListBox>(handle(), id);
        return m_dir1->handle();
    case layout::Kind::FileList:
        m_file1 = std::make_unique<FileListBox>(handle(), id);
        return m_file1->handle();
    default:
        return nullptr;
    }
}

void Form1::show()
{
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetFocus((*m_controls)["Command3"]);
}

bool Form1::splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
{
    return m_behaviour.splitlt(sfile, splitsize, oname);
}

void Form1::chooseHanded(const std::vector<std::string>& names)
{
    m_behaviour.chooseHanded(names);
}

std::vector<std::string> Form1::commandLineNames(const wchar_t* commandLine)
{
    std::vector<std::string> names;
    int count = 0;
    if (wchar_t** arguments = CommandLineToArgvW(commandLine, &count)) {
        for (int i = 1; i < count; ++i)
            names.push_back(utf8Text(arguments[i]));
        LocalFree(arguments);
    }
    return names;
}

void Form1::onDropFiles(HDROP drop)
{
    // Each name at its own length: paths of any length, in UTF-16.
    std::vector<std::string> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
        names.push_back(utf8Text(name));
    }
    DragFinish(drop);
    SetForegroundWindow(handle());
    m_behaviour.chooseHanded(names);
}

Form2* Form1::about() const
{
    return m_about && m_about->handle() != nullptr ? m_about.get() : nullptr;
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Messages sent while the controls are being made are the system's.
    if (!m_controls)
        return defaultHandling(message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        m_dir1->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE:
        // The close box, the system menu's Close and Alt+F4.
        m_behaviour.Form_Unload();
        return 0;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DPICHANGED:
    case WM_SETTINGCHANGE:
        if (m_controls->followDisplayChange(message, wParam, lParam))
            onLaidOut();
        if (message == WM_DPICHANGED)
            return 0;
        break;
    case WM_DEVICECHANGE:
        onDeviceChange(wParam, lParam);
        return TRUE;
    }
    return defaultHandling(message, wParam, lParam);
}

void Form1::onCommand(int id, int code)
{
    if (id == IDOK) {
        // Enter, from the dialog keys: the focused button, or the folder.
        const HWND focus = GetFocus();
        if (focus == m_dir1->handle()) {
            m_dir1->openSelected();
        } else if (focus != nullptr && GetParent(focus) == handle()) {
            wchar_t className[16] = {};
            GetClassNameW(focus, className, 16);
            if (lstrcmpiW(className, L"Button") == 0)
                SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return;
    }
    const std::string_view name = m_controls->nameOf(id);
    if (name == "Command3" && code == BN_CLICKED)
        m_behaviour.Command3_Click();
    else if (name == "Command1" && code == BN_CLICKED)
        m_behaviour.Command1_Click();
    else if (name == "command2" && code == BN_CLICKED)
        m_behaviour.command2_Click();
    else if (name == "Drive1" && code == CBN_SELCHANGE)
        m_behaviour.Drive1_Change();
    else if (name == "Dir1" && code == LBN_DBLCLK)
        onCommand(IDOK, 0);
    else if (name == "File1" && code == LBN_SELCHANGE)
        m_behaviour.File1_Click();
}

void Form1::onActivate(bool active)
{
    // The focus comes back to the control that had it, as in a dialog.
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(handle(), focus))
            m_focus = focus;
    } else if (m_focus != nullptr && IsWindow(m_focus)) {
        SetFocus(m_focus);
    }
}

void Form1::onDeviceChange(WPARAM event, LPARAM details)
{
    const auto* device = reinterpret_cast<const DEV_BROADCAST_HDR*>(details);
    // A volume came or went (a USB stick, a mapped drive): the drive list
    // follows, keeping its choice; the folder and file lists stay.
    if ((event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && device != nullptr &&
        device->dbch_devicetype == DBT_DEVTYP_VOLUME)
        m_drive1->updateDrives();
}

void Form1::onLaidOut()
{
    m_dir1->fitItems();
    m_lab1->laidOut(m_controls->font());
    m_frame3->laidOut();
}

std::string Form1::text(std::string_view control) const
{
    return utf8Text(windowText((*m_controls)[control]));
}

void Form1::setText(std::string_view control, const std::string& text)
{
    SetWindowTextW((*m_controls)[control], wideText(text).c_str());
}

std::string Form1::lab1Caption() const
{
    return m_lab1->text();
}

void Form1::setLab1Caption(const std::string& caption)
{
    m_lab1->setText(caption);
}

std::string Form1::lab1ToolTip() const
{
    return m_lab1->toolTip();
}

void Form1::setLab1ToolTip(const std::string& toolTip)
{
    m_lab1->setToolTip(toolTip);
}

std::string Form1::text1() const
{
    return text("Text1");
}

void Form1::setText1(const std::string& text)
{
    setText("Text1", text);
}

std::string Form1::text2() const
{
    return text("Text2");
}

void Form1::setText2(const std::string& text)
{
    setText("Text2", text);
}

std::string Form1::drive1Drive() const
{
    return utf8Text(m_drive1->drive());
}

std::string Form1::dir1Path() const
{
    return utf8Text(m_dir1->nativePath());
}

void Form1::setDrive1For(const std::string& path)
{
    m_drive1->choose(wideText(path));
}

bool Form1::setDir1Path(const std::string& folder)
{
    return m_dir1->setNativePath(wideText(folder));
}

std::string Form1::file1Path() const
{
    return utf8Text(m_file1->nativePath());
}

void Form1::setFile1Path(const std::string& folder)
{
    m_file1->setNativePath(wideText(folder));
}

int Form1::file1EntryCount() const
{
    return m_file1->entryCount();
}

std::string Form1::file1FileName() const
{
    return utf8Text(m_file1->nativeFileName());
}

bool Form1::setFile1FileName(const std::string& name)
{
    return m_file1->selectNative(wideText(name));
}

void Form1::focusText1()
{
    SetFocus((*m_controls)["Text1"]);
}

void Form1::setFrame3Caption(const std::string& caption)
{
    m_frame3->set(caption);
}

const std::string& Form1::frame3Caption() const
{
    return m_frame3->caption();
}

void Form1::onTimer(UINT_PTR timer)
{
    if (timer == ProgressCaption::timer) {
        m_frame3->repaintNow();
    } else if (timer == followTimer && IsWindowVisible(handle()) && !IsIconic(handle())) {
        m_file1->follow();
    }
}

void Form1::setProgressShare(double share, bool failed)
{
    m_taskbar->show(share, failed);
}

void Form1::endProgress()
{
    m_taskbar->clear();
}

void Form1::showNotice(const std::string& text)
{
    m_services.showNotice(handle(), text);
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
    if (about() == nullptr)
        m_about = std::make_unique<Form2>();
    m_services.showWindow(m_about->handle());
}

} // namespace tarvolin
