#include "ui/MainWindowBehaviour.h"

#include "engine/SplitRun.h"
#include "platform/FileServices.h"
#include "platform/NameText.h"
#include "platform/NumberServices.h"
#include "platform/PathName.h"
#include "platform/Utf8.h"
#include "ui/HandedFile.h"
#include "ui/MainWindowView.h"

#include <exception>
#include <optional>
#include <vector>

namespace tarvolin {

namespace {

// The output folder text with the bytes of the folders it names. The field
// shows a folder in its readable form (a GBK name reads as Chinese); once
// the user edits it, it gives back what it shows. The longest part of that
// text, up to a separator, that reads as the start of one of the folders
// the window shows (the source's, the folder list's) takes that folder's
// own bytes again, so that typing "out/" after a GBK folder still names it.
std::string withNativeFolders(const std::string& text, const std::vector<std::string>& folders)
{
    if (!Utf8::isWellFormed(text))
        return text; // still the bytes the field was given
    std::string native, shown;
    for (const std::string& folder : folders) {
        for (std::size_t end = 0; end < folder.size(); ++end) {
            if (!PathName::isSeparator(folder[end]))
                continue;
            const std::string part = folder.substr(0, end + 1);
            const std::string readable = NameText::readable(part);
            if (readable.size() > shown.size() && text.compare(0, readable.size(), readable) == 0) {
                native = part;
                shown = readable;
            }
        }
    }
    return native + text.substr(shown.size());
}

} // namespace

MainWindowBehaviour::MainWindowBehaviour(MainWindowView& view) : m_view(view) {}

void MainWindowBehaviour::Form_Load()
{
    m_view.setLab1Tag(m_view.lab1Caption());
}

void MainWindowBehaviour::Drive1_Change()
{
    try {
        m_view.setLab1Caption(m_view.lab1Tag());
        // The length of a file no longer chosen would mislead.
        m_view.setLab1ToolTip({});
        // A drive that is not ready fails here (false), silently: the
        // folder and file lists stay where they were.
        m_view.setDir1Path(m_view.drive1Drive());
    } catch (const std::exception&) {
    }
}

void MainWindowBehaviour::Dir1_Change()
{
    m_view.setFile1Path(m_view.dir1Path());
}

void MainWindowBehaviour::File1_Click()
{
    if (m_view.file1EntryCount() <= 0)
        return;
    const std::string folder = m_view.dir1Path();
    const std::string name = m_view.file1FileName();
    m_view.setLab1Caption(PathName::join(folder, name));
    m_view.setText2(PathName::join(folder, ""));
    m_view.setLab1ToolTip(lengthToolTip(FileServices::fullLength(m_view.lab1Caption())));
}

void MainWindowBehaviour::chooseHanded(const std::vector<std::string>& names)
{
    const HandedFile handed(names, FileServices::currentFolder());
    if (!handed.folder().empty()) {
        m_view.setDrive1For(handed.folder());
        if (m_view.setDir1Path(handed.folder()) && !handed.fileName().empty() &&
            m_view.setFile1FileName(handed.fileName())) {
            File1_Click();
            m_view.focusText1();
        }
    }
    if (!handed.notice().empty())
        m_view.showNotice(handed.notice());
}

std::string MainWindowBehaviour::lengthToolTip(std::optional<std::int64_t> length)
{
    return "被分割文件长度：（字节）" + (length ? NumberServices::decimalText(*length)
                                                : std::string("未知（文件已不存在或无法读取）"));
}

void MainWindowBehaviour::Form_Unload()
{
    m_view.endProgram();
}

void MainWindowBehaviour::Command1_Click()
{
    m_view.endProgram();
}

void MainWindowBehaviour::command2_Click()
{
    m_view.showAbout();
}

void MainWindowBehaviour::Command3_Click()
{
    // Every failure here is the click's own and ends it without a word; the
    // split reports its own failures. The values are copies, so whatever the
    // user changes while the split runs does not reach it.
    try {
        const std::string sfile = m_view.lab1Caption();
        const std::string sizeText = m_view.text1();
        const std::string folder = withNativeFolders(
            m_view.text2(), {m_view.lab1Caption(), m_view.dir1Path() + PathName::separator});
        const std::string name = m_view.file1FileName();
        const std::string oname = folder + name;
        const std::optional<std::int32_t> splitsize = NumberServices::numberFromText(sizeText);
        if (!splitsize)
            return;
        splitlt(sfile, *splitsize, oname);
    } catch (const std::exception&) {
    }
}

bool MainWindowBehaviour::splitlt(const std::string& sfile, std::int32_t splitsize,
                                  const std::string& oname)
{
    return tarvolin::splitlt(m_view, m_pieceBuffer, sfile, splitsize, oname);
}

} // namespace tarvolin
