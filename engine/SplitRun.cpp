#include "engine/SplitRun.h"

#include "engine/CheckedArithmetic.h"
#include "engine/PieceCopier.h"
#include "engine/PiecePlan.h"
#include "engine/ReassemblyScript.h"
#include "engine/RunningSplit.h"
#include "engine/SplitHost.h"
#include "platform/FileServices.h"
#include "platform/InputFile.h"
#include "platform/NarrowEncoder.h"
#include "platform/NumberServices.h"
#include "platform/OpenFile.h"
#include "platform/OutputFile.h"

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

// The script for the plan's pieces, checked and encoded before the first
// piece is written: a name the script cannot carry, or its code page cannot
// hold, then costs nothing.
std::string scriptFor(const PiecePlan& plan, const std::string& oname)
{
    const std::string target = ReassemblyScript::bareName(oname);
    ReassemblyScript::checkTarget(target);
    ReassemblyScript script;
    for (std::int32_t i = 1; i <= plan.count(); ++i)
        script.addPiece(ReassemblyScript::bareName(PiecePlan::piecePath(oname, i)));
    script.setTarget(target);
    return script.encoded(NarrowEncoder::forScript());
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
        const std::int64_t fileLength = FileServices::fileLength(sfile);
        if (!(fileLength > checkedAdd(splitsize, std::int32_t{1}, pieceSizeLimit))) {
            host.showNotice(tooSmallNotice);
            return false;
        }

        InputFile source(sfile);
        const OpenFile::Identity sourceIdentity = source.identity();
        const PiecePlan plan(fileLength, splitsize);
        const std::string scriptText = scriptFor(plan, oname);
        const RunningSplit running(sourceIdentity, oname, plan.count());
        // From the first piece on, an older script would join old and new
        // pieces: emptied now, it joins nothing until this run writes its own.
        const std::string scriptPath = oname + ".BAT";
        if (OpenFile::statusAt(scriptPath))
            ReassemblyScript::write(scriptPath, {}, sourceIdentity);

        PieceCopier copier(host, buffer);
        for (std::int32_t i = 1; i <= plan.count();
             i = checkedAdd(i, std::int32_t{1}, "分割文件的序号最大只能是 2147483647")) {
            const std::string piecePath = PiecePlan::piecePath(oname, i);
            // Pieces done, with the share of this one, over the piece count.
            const auto showProgress = [&](double piecesDone) {
                share = piecesDone / static_cast<double>(plan.count());
                host.setProgressCaption("正在处理:" + piecePath + " " +
                                        NumberServices::percentText(share));
                host.setProgressShare(share, false);
            };
            const std::int32_t size = plan.pieceSize(i);
            OutputFile piece(piecePath, sourceIdentity);
            copier.copy(source, piece, size, [&](std::int64_t copied) {
                showProgress(i - 1 + static_cast<double>(copied) / static_cast<double>(size));
            });
            if (i == plan.count())
                source.close();
            piece.close();

            showProgress(i);
            copier.pumpEvents();
        }

        ReassemblyScript::write(scriptPath, scriptText, sourceIdentity);
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
