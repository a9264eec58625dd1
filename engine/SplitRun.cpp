#include "SplitRun.h"

#include "CheckedArithmetic.h"
#include "FileServices.h"
#include "InputFile.h"
#include "NarrowEncoder.h"
#include "NumberServices.h"
#include "OutputFile.h"
#include "PieceBuffer.h"
#include "PiecePlan.h"
#include "ReassemblyScript.h"
#include "SplitHost.h"

namespace tarvolin {

namespace {

const char* const tooSmallNotice = "朋友！“被分割文件”比“分割后文件”还小，请重新设置吧！";
const char* const negativeSizeNotice = "朋友！“分割后文件”的大小必须大于0，请重新设置吧！";
const char* const errorNoticePrefix = "错误提示信息:";

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

// No output file of the run may be the source itself, however its path is spelled.
void refuseToOverwrite(const InputFile& source, const PiecePlan& plan, const std::string& oname,
                       const std::string& scriptPath)
{
    const auto check = [&](const std::string& path) {
        if (source.isSameFileAs(path))
            throw Failure("“" + path + "”就是被分割文件本身，不能用分割后的文件覆盖它");
    };
    for (std::int32_t i = 1; i <= plan.count(); ++i)
        check(PiecePlan::piecePath(oname, i));
    check(scriptPath);
}

} // namespace

bool splitlt(SplitHost& host, PieceBuffer& buffer, const std::string& sfile, std::int32_t splitsize,
             const std::string& oname)
{
    if (splitsize < 0) {
        host.showNotice(negativeSizeNotice);
        return false;
    }
    try {
        const std::int32_t fileLength = FileServices::fileLength(sfile);
        if (!(fileLength > checkedAdd(splitsize, std::int32_t{1}))) {
            host.showNotice(tooSmallNotice);
            return false;
        }

        InputFile source(sfile);
        const PiecePlan plan(fileLength, splitsize);
        const std::string scriptPath = oname + ".BAT";
        refuseToOverwrite(source, plan, oname, scriptPath);

        ReassemblyScript script;
        for (std::int32_t i = 1; i <= plan.count(); i = checkedAdd(i, std::int32_t{1})) {
            const std::string piecePath = PiecePlan::piecePath(oname, i);
            script.addPiece(ReassemblyScript::bareName(piecePath));

            // Resize, read and write with no event pump in between: a run
            // started from the pump below shares the buffer.
            const std::int32_t size = plan.pieceSize(i);
            buffer.resize(static_cast<std::size_t>(size));
            source.read(buffer.data(), buffer.size());
            if (i == plan.count()) {
                script.setTarget(ReassemblyScript::bareName(oname));
                source.close();
            }
            OutputFile piece(piecePath);
            piece.write(buffer.data(), buffer.size());
            piece.close();

            const double done = static_cast<double>(i) / static_cast<double>(plan.count());
            host.setProgressCaption("正在处理:" + piecePath + " " +
                                    NumberServices::percentText(done));
            host.pumpEvents();
        }

        script.write(scriptPath, NarrowEncoder::forSystem());
        host.showNotice(completionNotice(plan.count(), scriptPath));
    } catch (const Failure& failure) {
        host.showNotice(errorNoticePrefix + failure.description());
    }
    return true;
}

} // namespace tarvolin
