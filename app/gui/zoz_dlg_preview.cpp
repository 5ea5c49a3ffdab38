// The preview area's part of the window.
#include "app/gui/zoz_dlg.h"

namespace orva {

void ZozDlg::stopPreview() {}

void ZozDlg::StartPreviewOf(JobItem*, bool) {}

void ZozDlg::ResetPreviewDisplay() {}

}  // namespace orva
