#include "files/Comentdlg.h"
#include "files/CommentText.h"
#include "graph/CZRVView.h"

#include <iterator>

void CZRVView::OnEnterComments()
{
    CComentdlg dlg;
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    // Only the first five lines are the user's; lines 6 .. 10 travel with files unseen.
    std::string* apstrLines[] = {&dlg.m_strLine1, &dlg.m_strLine2, &dlg.m_strLine3, &dlg.m_strLine4,
                                 &dlg.m_strLine5};
    for (size_t k = 0; k < std::size(apstrLines); ++k)
        *apstrLines[k] = m_astrComment[k];
    if (dlg.DoModal() != IDOK)
        return;
    for (size_t k = 0; k < std::size(apstrLines); ++k)
        m_astrComment[k] = CommentLine(*apstrLines[k]);
    RedrawPlot(pDC.get());
}
