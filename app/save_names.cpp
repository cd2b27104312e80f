// Saving the output box when the window closes.
#include "app/file_services.h"
#include "app/handlers.h"
#include "app/run_directory.h"
#include "names/window_services.h"

namespace app {

void SaveNamesOnClose() {
    const names::GbkText path = names::JoinTexts(RunDirectory(), "\\姓名.txt");
    const names::ByteSet bytes =
        names::TextToBytes(names::ReadProperty(names::Control::编辑框2, names::kText));
    if (WriteWholeFile(path, {BytesOf(bytes)})) {
        names::ShowInfoBox("生成的姓名已保存在软件根目录");
        return;
    }
    // The user must not believe the names were kept: say where they could not be written, and
    // why.
    const names::GbkText reason = SystemErrorText(GetLastError());
    names::ShowInfoBox(names::JoinTexts("生成的姓名未能保存。\n文件：", path, "\n原因：", reason));
}

}  // namespace app
