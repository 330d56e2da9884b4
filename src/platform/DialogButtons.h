// The row of "OK", "キャンセル" and "ヘルプ(&H)" that closes the program's own dialogs.
#pragma once

class QDialog;
class QDialogButtonBox;
class QSize;

namespace kumo {

// OK is the default button, has the focus and accepts; Cancel rejects; Help asks for the
// dialog's topic, helpContext, which the dialog takes as its own.
QDialogButtonBox* MakeDialogButtons(QDialog& dialog, int helpContext);

// Fixes the dialog's inside at its designed size, or larger where its contents need more.
void FixDesignedSize(QDialog& dialog, const QSize& designed);

}  // namespace kumo
