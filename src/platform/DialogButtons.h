// The row of "OK", "キャンセル" and "ヘルプ(&H)" that closes the program's own dialogs.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace kumo {

// OK is the default button, has the focus and accepts; Cancel rejects; Help opens the topic
// helpContext.
QDialogButtonBox* MakeDialogButtons(QDialog& dialog, int helpContext);

}  // namespace kumo
