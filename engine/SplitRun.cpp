#include "engine/SplitRun.h"

#include "engine/CheckedArithmetic.h"
#include "engine/PendingPieces.h"
#include "engine/PieceCopier.h"
#include "engine/PiecePlan.h"
#include "engine/ReassemblyScript.h"
#include "engine/SplitFileGuard.h"
#include "engine/SplitHost.h"
#include "engine/SplitOutputs.h"
#include "platform/BatchFlush.h"
#include "platform/DiskSpace.h"
#include "platform/Failure.h"
#include "platform/FileServices.h"
#include "platform/InputFile.h"
#include "platform/NameText.h"
#include "platform/NarrowEncoder.h"
#include "platform/NumberServices.h"
#include "platform/OpenFile.h"
#include "platform/OutputFile.h"
#include "platform/PathName.h"
#include "platform/SystemErrorText.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

namespace tarvolin {

namespace {

const char* const tooSmallNotice = "朋友！“被分割文件”比“分割后文件”还小，请重新设置吧！";
const char* const negativeSizeNotice = "朋友！“分割后文件”的大小必须大于0，请重新设置吧！";
const std::string errorNoticePrefix = "错误提示信息:";
// The size check needs splitsize + 1, which the largest 32-bit size overflows.
const char* const pieceSizeLimit = "分割后文件最大只能是 2147483646 字节";

std::string completionNotice(std::int32_t count, const std::string& scriptPath)
{
    return "朋友！文件分割已经成功完成！\r\n"
           "合计生成" +
           NumberServices::decimalText(count) +
           "个分割文件:\r\n"
           "生成自动组装文件" +
           scriptPath +
           "\r\n"
           "朋友，请妥善保存分割后的文件——一个也不能少哦！";
}

// The script for the outputs' pieces, checked and encoded before the first
// piece is written: a name the script cannot carry, or its code page cannot
// hold, then costs nothing.
std::string scriptFor(const SplitOutputs& outputs)
{
    ReassemblyScript::checkTarget(outputs.bareName());
    ReassemblyScript script;
    for (std::int32_t i = 1; i <= outputs.count(); ++i)
        script.addPiece(outputs.pieceName(i));
    script.setTarget(outputs.bareName());
    return script.encoded(NarrowEncoder::forScript());
}

// Refuses, before anything is written, an output in the source's folder
// whose name is the source's whatever the case of its letters. Where case
// counts, one that differs in case is another file, but not once the pieces
// are on Windows; where it does not, it is the source itself even when the
// file system tells two identities for the two names (exFAT through FUSE
// does), which the check of each output against the source's identity
// cannot see.
void checkNotTheSourceByName(const std::string& sfile, const SplitOutputs& outputs)
{
    const std::optional<OpenFile::Status> sourceFolder =
        OpenFile::statusAt(PathName::folderOf(sfile));
    if (!sourceFolder || !outputs.folderIdentity() ||
        !(sourceFolder->identity == *outputs.folderIdentity()))
        return;
    const std::string name = PathName::bareName(sfile);
    const std::optional<std::string> output = outputs.outputNamed(name);
    if (!output)
        return;
    const bool sameBytes = PathName::bareName(*output) == name;
    OutputFile::throwIsSource(*output, sameBytes ? "" : "（文件名只是大小写不同）");
}

std::int64_t roundedUp(std::int64_t bytes, std::int64_t block)
{
    return block > 0 ? (bytes + block - 1) / block * block : bytes;
}

// Refuses, before anything is written, a split that cannot fit: the pieces
// and the script, less what older files of the same names give back when
// they are emptied, against the room free to this user. Pieces beside the
// source on a file system that shares blocks between files may need no room
// of their own: there the disk tells when it is full.
void checkRoom(const PiecePlan& plan, const SplitOutputs& outputs, std::size_t scriptSize,
               bool elsewhere)
{
    const std::string& folder = outputs.folder();
    const std::optional<DiskSpace::Room> room = DiskSpace::roomAt(folder);
    if (!room || (room->sharesBlocks && !elsewhere))
        return;
    const std::int64_t block = room->blockSize;
    const std::int32_t count = plan.count();
    std::int64_t needed = (count - 1) * roundedUp(plan.pieceSize(1), block) +
                          roundedUp(plan.pieceSize(count), block) +
                          roundedUp(static_cast<std::int64_t>(scriptSize), block);
    const auto giveBack = [&](const std::string& path) {
        if (const std::optional<OpenFile::Status> older = OpenFile::statusAt(path);
            older && older->regular)
            needed -= older->allocated;
    };
    for (std::int32_t i = 1; i <= count; ++i)
        giveBack(outputs.piecePath(i));
    giveBack(outputs.scriptPath());
    if (needed > room->available)
        throw Failure("磁盘空间不足：分割需要 " + std::to_string(needed) + " 字节，" +
                      NameText::quoted(folder) + "所在的磁盘只有 " +
                      std::to_string(room->available) + " 字节可用");
}

// A source written to while it was split (a download, a recording) was cut
// as it stood then: its pieces would not join into the file on the disk. A
// source that grew or changed in place is told by its length or by the time
// its bytes last changed, against what they were when the run opened it.
bool changedSince(const InputFile& source, const OpenFile::Status& opened)
{
    const std::optional<OpenFile::Status> now = OpenFile::statusOf(source.handle());
    return now && (now->length != opened.length || now->modified != opened.modified);
}

[[noreturn]] void throwChanged(const InputFile& source, const OpenFile::Status& opened)
{
    const std::optional<OpenFile::Status> now = OpenFile::statusOf(source.handle());
    if (now && now->length < opened.length)
        source.throwShortRead();
    if (now && now->length > opened.length)
        throw Failure("文件" + NameText::quoted(source.path()) + "在分割过程中变长了（从 " +
                      std::to_string(opened.length) + " 字节变为 " + std::to_string(now->length) +
                      " 字节）：请等它写完后再分割");
    throw Failure("文件" + NameText::quoted(source.path()) +
                  "在分割过程中被修改了：请等它不再被写入后重新分割");
}

void checkUnchanged(const InputFile& source, const OpenFile::Status& opened)
{
    if (changedSince(source, opened))
        throwChanged(source, opened);
}

} // namespace

bool splitlt(SplitHost& host, PieceBuffer& buffer, const std::string& sfile, std::int32_t splitsize,
             const std::string& oname)
{
    if (splitsize < 0) {
        host.showNotice(negativeSizeNotice);
        return false;
    }
    double share = 0; // of the run done, as the caption last showed it
    std::optional<std::string> failure;
    try {
        if (sfile.empty())
            throw Failure("没有指定要分割的文件");
        // The length is the open file's, whatever the name meanwhile names.
        InputFile source(sfile);
        const std::int64_t fileLength = source.length();
        if (!(fileLength > checkedAdd(splitsize, std::int32_t{1}, pieceSizeLimit))) {
            host.showNotice(tooSmallNotice);
            return false;
        }

        const OpenFile::Identity sourceIdentity = source.identity();
        const std::optional<OpenFile::Status> opened = OpenFile::statusOf(source.handle());
        if (!opened)
            throw Failure(
                SystemErrorText::describe("无法读取文件信息", sfile, SystemErrorText::lastError()));
        const PiecePlan plan(fileLength, splitsize);
        const SplitOutputs outputs(oname, plan.count());
        const std::string scriptText = scriptFor(outputs);
        SplitFileGuard guard(sourceIdentity, outputs);
        const OutputFile::Check checkOutput = guard.outputCheck();
        const std::string& scriptPath = outputs.scriptPath();
        // Pieces on another disk than the source's are read back from it.
        const bool elsewhere =
            outputs.folderIdentity() && outputs.folderIdentity()->volume != sourceIdentity.volume;
        checkNotTheSourceByName(sfile, outputs);
        checkRoom(plan, outputs, scriptText.size(), elsewhere);
        // From the first piece on, an older script would join old and new
        // pieces: emptied now, it joins nothing until this run writes its own.
        if (OpenFile::statusAt(scriptPath))
            ReassemblyScript::write(scriptPath, {}, sourceIdentity, checkOutput);

        // Each piece is written out before it is closed; the pieces are
        // made safe together once the last one is.
        BatchFlush flushes(outputs.folder());
        PendingPieces pending(flushes, elsewhere);
        std::int64_t written = 0; // bytes of the run copied
        PieceCopier copier(host, buffer);
        // What is done, with the share of the piece at hand, over the whole.
        const auto showProgress = [&](const char* doing, const std::string& piecePath,
                                      double done) {
            host.setProgressCaption(doing + piecePath + " " + NumberServices::percentText(done));
        };
        for (std::int32_t i = 1; i <= plan.count();
             i = checkedAdd(i, std::int32_t{1}, "分割文件的序号最大只能是 2147483647")) {
            const std::string piecePath = outputs.piecePath(i);
            const auto showCopied = [&](double piecesDone) {
                share = piecesDone / static_cast<double>(plan.count());
                showProgress("正在处理:", piecePath, share);
                host.setProgressShare(share, false);
            };
            const std::int32_t size = plan.pieceSize(i);
            auto piece = std::make_unique<OutputFile>(piecePath, sourceIdentity, checkOutput);
            copier.copy(source, *piece, size, [&](std::int64_t copied) {
                showCopied(i - 1 + static_cast<double>(copied) / static_cast<double>(size));
            });
            written += size;
            pending.add(std::move(piece), written);

            showCopied(i);
            copier.pumpEvents();
        }
        pending.settleAll();
        checkUnchanged(source, *opened);
        if (!flushes.finish()) {
            for (std::int32_t i = 1; i <= plan.count(); ++i)
                FileServices::flushFile(outputs.piecePath(i));
        }

        if (elsewhere) {
            std::int64_t checked = 0;
            for (std::int32_t i = 1; i <= plan.count(); ++i) {
                const std::string piecePath = outputs.piecePath(i);
                const std::int32_t size = plan.pieceSize(i);
                const auto showChecked = [&](std::int64_t done) {
                    showProgress("正在校验:", piecePath,
                                 static_cast<double>(checked + done) /
                                     static_cast<double>(fileLength));
                };
                InputFile piece(piecePath, InputFile::Caching::bypass);
                try {
                    copier.compare(source, checked, piece, size, showChecked);
                } catch (const Failure&) {
                    // The piece holds what was read: the source is what changed.
                    if (changedSince(source, *opened))
                        throwChanged(source, *opened);
                    throw;
                }
                piece.close();
                showChecked(size);
                checked += size;
                copier.pumpEvents();
            }
        }
        if (elsewhere)
            checkUnchanged(source, *opened);
        source.close();

        ReassemblyScript::write(scriptPath, scriptText, sourceIdentity, checkOutput);
        try {
            FileServices::flushFolder(outputs.folder());
        } catch (const Failure&) {
            // A run that reports a failure leaves no script that joins.
            try {
                ReassemblyScript::write(scriptPath, {}, sourceIdentity, checkOutput);
            } catch (const Failure&) {
            }
            throw;
        }
        host.showNotice(completionNotice(plan.count(), scriptPath));
    } catch (const Failure& failed) {
        failure = failed.description();
    } catch (const std::bad_alloc&) {
        failure = "内存不足，无法继续分割";
    } catch (const std::exception& unexpected) {
        failure = unexpected.what();
    } catch (...) {
        failure = "发生了未知的错误";
    }
    if (failure) {
        host.setProgressShare(share, true);
        host.showNotice(errorNoticePrefix + *failure);
    }
    host.endProgress();
    return true;
}

} // namespace tarvolin
