#pragma once

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

// Expects a message box with exactly `message` (and, when given, the caption and style bits) and
// answers it with `answer` (wxID_OK, wxID_YES ...). Use inside wxTEST_DIALOG.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage>
{
public:
    explicit ExpectMessage(const wxString& message, int answer = wxID_OK,
                           const wxString& caption = wxString(), long style = 0)
        : m_message(message), m_answer(answer), m_caption(caption), m_style(style)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(m_message, dialog->GetMessage());
        if (!m_caption.empty())
        {
            EXPECT_EQ(m_caption, dialog->GetTitle());
        }
        if (m_style)
        {
            EXPECT_EQ(m_style, dialog->GetMessageDialogStyle() & m_style)
                << "style " << std::hex << dialog->GetMessageDialogStyle();
        }
        return m_answer;
    }

    wxString GetDefaultDescription() const override { return "message box \"" + m_message + "\""; }

private:
    wxString m_message;
    int m_answer;
    wxString m_caption;
    long m_style;
};
