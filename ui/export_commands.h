// The two ways the diagram leaves the program: a transparent PNG file and a
// CF_DIB block on the clipboard, on white.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

// The name the PNG is saved under: the chosen name with ".png" appended,
// unless its last four bytes are exactly ".png" (so "x.PNG" becomes
// "x.PNG.png", and "a.p" becomes "a.p.png").
QString pngTargetName(const QString& chosen);

// Asks for a file name; false when the user cancels.
using FileChooser = std::function<bool(QWidget* parent, QString& fileName)>;

// The save dialog: one filter "图片文件（*.png）" with pattern *.png, no
// default suffix, confirmation before overwriting an existing file.
bool chooseSaveFileName(QWidget* parent, QString& fileName);

// Save transparent PNG: asks for a name (nothing happens on cancel), renders
// on a transparent background and saves. A file that cannot be written is
// reported in a message box naming the file and the reason; an existing
// file is then left as it was. True when the file was written.
bool savePngCommand(QWidget* parent, const FileChooser& choose = chooseSaveFileName);

// Copy to clipboard: renders on white and hands the picture to the
// clipboard as a 24-bit CF_DIB block. Leaves the white-background flag at 0.
void copyToClipboardCommand();

}  // namespace ui
