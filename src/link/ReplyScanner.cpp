#include "link/ReplyScanner.h"

#include <charconv>
#include <cmath>

void CReplyScanner::SkipBlanks()
{
    while (m_nPos < m_strText.size() &&
           (m_strText[m_nPos] == ' ' || (m_strText[m_nPos] >= '\t' && m_strText[m_nPos] <= '\r')))
        ++m_nPos;
}

bool CReplyScanner::Sign()
{
    SkipBlanks();
    if (m_nPos < m_strText.size() && (m_strText[m_nPos] == '+' || m_strText[m_nPos] == '-'))
        return m_strText[m_nPos++] == '-';
    return false;
}

bool CReplyScanner::Unsigned(uint32_t& nValue)
{
    size_t nStart = m_nPos;
    SkipBlanks();
    if (m_nPos < m_strText.size() && m_strText[m_nPos] == '+')
        ++m_nPos;
    const char* pEnd = m_strText.data() + m_strText.size();
    uint32_t nParsed = 0;
    auto result = std::from_chars(m_strText.data() + m_nPos, pEnd, nParsed);
    if (result.ec != std::errc())
    {
        m_nPos = nStart;
        return false;
    }
    m_nPos = result.ptr - m_strText.data();
    nValue = nParsed;
    return true;
}

bool CReplyScanner::Int(int& nValue)
{
    size_t nStart = m_nPos;
    bool bNegative = Sign();
    const char* pEnd = m_strText.data() + m_strText.size();
    // Parsed as a magnitude in a wider type so that the most negative int still fits.
    long long nMagnitude = 0;
    auto result = std::from_chars(m_strText.data() + m_nPos, pEnd, nMagnitude);
    long long nSigned = bNegative ? -nMagnitude : nMagnitude;
    if (result.ec != std::errc() || nMagnitude < 0 || nSigned < INT32_MIN || nSigned > INT32_MAX)
    {
        m_nPos = nStart;
        return false;
    }
    m_nPos = result.ptr - m_strText.data();
    nValue = static_cast<int>(nSigned);
    return true;
}

bool CReplyScanner::Double(double& dValue)
{
    size_t nStart = m_nPos;
    bool bNegative = Sign();
    const char* pEnd = m_strText.data() + m_strText.size();
    const char* pBegin = m_strText.data() + m_nPos;
    double dParsed = 0.0;
    auto result = std::from_chars(pBegin, pEnd, dParsed, std::chars_format::general);
    // A second sign ("+-1") is no number; infinities and NaN never come from a working
    // instrument and would poison every derived quantity.
    if (result.ec != std::errc() || *pBegin == '-' || *pBegin == '+' || !std::isfinite(dParsed))
    {
        m_nPos = nStart;
        return false;
    }
    m_nPos = result.ptr - m_strText.data();
    dValue = bNegative ? -dParsed : dParsed;
    return true;
}

bool CReplyScanner::Literal(char ch)
{
    if (m_nPos < m_strText.size() && m_strText[m_nPos] == ch)
    {
        ++m_nPos;
        return true;
    }
    return false;
}
