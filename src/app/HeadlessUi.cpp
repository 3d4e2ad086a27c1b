#include "app/HeadlessUi.h"

#include <algorithm>

namespace
{
// A context of the right size whose drawing goes nowhere.
class CNullDC : public CDC
{
public:
    CNullDC(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {}
    int GetDeviceCaps(int nIndex) const override
    {
        return nIndex == HORZRES ? m_nWidth : nIndex == VERTRES ? m_nHeight : 0;
    }
    bool IsPrinting() const override { return false; }

protected:
    void DeviceLine(CPoint, CPoint, const CPen&, const CDeviceState&) override {}
    void DeviceFill(int, int, int, int, COLORREF, const CDeviceState&) override {}
    void DeviceText(CPoint, const std::string&, const CFont&, int, const CDeviceState&) override {}

private:
    int m_nWidth;
    int m_nHeight;
};
} // namespace

int CHeadlessUserInterface::MessageBox(const std::string& strText, unsigned nType)
{
    // One line: the message's own line breaks become blanks.
    std::string strLine = strText;
    std::replace(strLine.begin(), strLine.end(), '\r', ' ');
    std::replace(strLine.begin(), strLine.end(), '\n', ' ');
    std::fprintf(m_pStream, "zorvantellique: %s\n", strLine.c_str());
    std::fflush(m_pStream);
    switch (nType & MB_TYPEMASK)
    {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int CHeadlessUserInterface::RunModal(CDialog&)
{
    return IDCANCEL;
}

int CHeadlessUserInterface::FileDialog(bool, const std::string&, const std::string&, unsigned,
                                       const std::string&, std::string&, int*)
{
    return IDCANCEL;
}

std::unique_ptr<CDC> CHeadlessViewWindow::GetClientDC()
{
    return std::make_unique<CNullDC>(WIDTH, HEIGHT);
}

int CHeadlessViewWindow::SetTimer(int nId, int)
{
    m_setRunning.insert(nId);
    return nId;
}
