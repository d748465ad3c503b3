#pragma once

#include "tests/support/wx_print.h"

#include <functional>
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

// What a message box showed; filled in by ExpectMessageBox.
struct ShownMessage
{
    int m_count = 0;
    wxString m_message;
    wxString m_caption;
    long m_style = 0;
};

// Expects one message box (wxMessageBox included) and answers it with `answer` (wxID_OK,
// wxID_YES, wxID_NO, wxID_CANCEL). Use inside wxTEST_DIALOG. Either it checks the box itself:
// exactly `message`, and when given the caption and the style bits; or it records what the box
// showed into `shown` (when given) for the test to check. An action given with Then runs before
// the answer, while the box would still be up.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox>
{
public:
    explicit ExpectMessageBox(int answer, ShownMessage* shown = nullptr)
        : m_answer(answer), m_shown(shown)
    {
    }
    explicit ExpectMessageBox(const wxString& message, int answer = wxID_OK,
                              const wxString& caption = wxString(), long style = 0)
        : m_answer(answer), m_checkMessage(true), m_message(message), m_caption(caption),
          m_style(style)
    {
    }

    ExpectMessageBox Then(std::function<void()> action) const
    {
        ExpectMessageBox e(*this);
        e.m_then = std::move(action);
        return e;
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        if (m_shown)
        {
            ++m_shown->m_count;
            m_shown->m_message = dialog->GetMessage();
            m_shown->m_caption = dialog->GetCaption();
            m_shown->m_style = dialog->GetMessageDialogStyle();
        }
        if (m_checkMessage)
        {
            EXPECT_EQ(m_message, dialog->GetMessage());
        }
        if (!m_caption.empty())
        {
            EXPECT_EQ(m_caption, dialog->GetCaption());
        }
        if (m_style)
        {
            EXPECT_EQ(m_style, dialog->GetMessageDialogStyle() & m_style)
                << "style " << std::hex << dialog->GetMessageDialogStyle();
        }
        if (m_then)
            m_then();
        return m_answer;
    }

    wxString GetDefaultDescription() const override
    {
        return m_checkMessage ? "message box \"" + m_message + "\"" : "a message box";
    }

private:
    int m_answer;
    ShownMessage* m_shown = nullptr;
    bool m_checkMessage = false;
    wxString m_message;
    wxString m_caption;
    long m_style = 0;
    std::function<void()> m_then;
};
