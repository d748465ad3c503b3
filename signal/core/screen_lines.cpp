#include "signal/core/screen_lines.h"

wxString ScreenLines::Break(const wxString& text)
{
    wxString shown;
    shown.reserve(text.length() + text.length() / m_maxLength + 1);
    for (wxUniChar c : text)
    {
        if (c == '\n')
        {
            m_column = 0;
        }
        else
        {
            if (m_column == m_maxLength)
            {
                shown += '\n';
                m_column = 0;
            }
            ++m_column;
        }
        shown += c;
    }
    return shown;
}
