#pragma once
// Windows are opened by their given names ("TfmAPTList", "TfmCustlist", ...). Each window registers a
// factory here when it is built into the program; a command whose window is not there does nothing.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace windows {
using Factory = std::function<QDialog *(QWidget *parent)>;
void registerWindow(const QString &name, Factory factory);
bool has(const QString &name);
// nullptr when no such window is registered.
QDialog *create(const QString &name, QWidget *parent);
// Creates, sizes (when width > 0), shows modally through the modal seam and frees the window.
// Returns the modal result, or -1 when the window does not exist.
int open(const QString &name, QWidget *parent, int width = 0, int height = 0);
} // namespace windows
