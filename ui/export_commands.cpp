#include "export_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "last_status.h"
#include "toolkit/image_conversion.h"
#include "win32/clipboard.h"
#include "win32/global_memory.h"

namespace ui {

namespace {

// Identifier texts of the two encoders the commands use.
const std::string kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

// Why a save failed, in words a user can act on.
QString saveFailureReason(const QString& target, int status) {
    if (QFileInfo(target).isDir()) return QStringLiteral("已有同名的文件夹。");
    switch (status) {
    case AccessDenied: return QStringLiteral("没有写入该位置的权限（文件夹受保护或文件只读）。");
    case Win32Error:
    case FileNotFound: return QStringLiteral("无法写入该文件：文件夹不存在，或文件名无效。");
    default: return QStringLiteral("无法生成图片文件（错误代码 %1）。").arg(status);
    }
}

}  // namespace

QString pngTargetName(const QString& chosen) {
    // Bytes, as the name is stored: upper and lower case differ.
    return chosen.toUtf8().endsWith(".png") ? chosen : chosen + QStringLiteral(".png");
}

bool chooseSaveFileName(QWidget* parent, QString& fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter shows as "图片文件（*.png）"; the pattern in brackets is what Qt matches.
    dialog.setNameFilter(QStringLiteral("图片文件（*.png） (*.png)"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

bool savePngCommand(QWidget* parent, const FileChooser& choose) {
    QString chosen;
    if (!choose(parent, chosen)) return false;
    diagram::diagramParameters.whiteBackground = 0;
    diagram::renderDiagram();
    const QString target = pngTargetName(chosen);
    // The engine writes beside the target and renames, so a failed save
    // never leaves an existing file half-written.
    if (diagram::diagramBitmap->SaveToFile(target.toStdString())) return true;
    QMessageBox::warning(parent, QStringLiteral("保存失败"),
                         QStringLiteral("无法保存文件“%1”。\n%2").arg(target, saveFailureReason(target, graphics::LastStatus)));
    return false;
}

void copyToClipboardCommand() {
    diagram::diagramParameters.whiteBackground = 1;
    diagram::renderDiagram();
    const graphics::ByteArray bmp = diagram::diagramBitmap->SaveToBytes(kBmpFormat);

    toolkit::DecodedImage* cell = nullptr;
    toolkit::decodeImageFromBytes(cell, bmp, 0);
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL block = toolkit::copyImageToGlobal(cell);
    // The clipboard owns the block once it takes it; one it refused (say,
    // while another program holds the clipboard) is ours to free.
    if (!SetClipboardData(CF_DIB, block) && block) GlobalFree(block);
    CloseClipboard();
    toolkit::freeImage(cell);
}

}  // namespace ui
