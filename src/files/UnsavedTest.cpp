// Asking before an unsaved test is thrown away.
#include "files/RecoveryCopy.h"
#include "graph/CZRVView.h"
#include "platform/Platform.h"

namespace
{
constexpr const char* UNSAVED_TEXT = "The test has not been saved. Save it first?";
} // namespace

bool CZRVView::IsUnsaved() const
{
    if (!m_bUnsaved)
        return false;
    // Slot 0 is every curve's anchor, not a sample.
    for (int nSlot = 1; nSlot < RUN_SLOTS; ++nSlot)
        if (m_curLift.m_adRun[nSlot] != EMPTY_SLOT)
            return true;
    return false;
}

bool CZRVView::SaveBeforeDiscard()
{
    if (!IsUnsaved())
        return true;
    switch (AfxMessageBox(UNSAVED_TEXT, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDYES:
        return SaveTest();
    case IDNO:
        if (g_pRecoveryCopy != nullptr)
            g_pRecoveryCopy->Remove();
        return true;
    default:
        return false;
    }
}
