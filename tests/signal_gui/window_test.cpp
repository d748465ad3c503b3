#include "resources/images.h"
#include "signal/platform/accessible_name.h"
#include "tests/signal_gui/console_fixture.h"

#include <wx/sizer.h>
#include <wx/uiaction.h>

using WindowTest = ConsoleTest;

TEST_F(WindowTest, ConsoleWindowAsStarted)
{
    EXPECT_TRUE(m_frame->IsShown());
    EXPECT_EQ(m_frame, m_app->GetTopWindow());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle());
    // A window manager frames the window some time after it is shown, and only then is the size
    // final.
    ExpectTheScaleAskedFor(m_frame);
    EXPECT_TRUE(WaitFor([&] { return m_frame->GetSize() == m_frame->FromDIP(wxSize(600, 350)); }))
        << m_frame->GetSize().x << " x " << m_frame->GetSize().y;
    EXPECT_EQ(m_frame->FromDIP(wxSize(300, 200)), m_frame->GetMinSize());
    EXPECT_FALSE(m_frame->GetMenuBar());
    EXPECT_FALSE(m_frame->GetStatusBar());
    EXPECT_FALSE(m_app->GetSocket());

    wxTextCtrl* console = Console();
    EXPECT_TRUE(console->IsMultiLine());
    EXPECT_FALSE(console->IsEditable());
    EXPECT_TRUE(console->IsEmpty());
    EXPECT_EQ(*wxBLACK, console->GetBackgroundColour());
    EXPECT_EQ(*wxGREEN, console->GetForegroundColour());
    EXPECT_EQ(*wxGREEN, console->GetDefaultStyle().GetTextColour());
    const wxFont font = console->GetFont();
    EXPECT_EQ(8, font.GetPointSize());
    // MSW reports its fixed-pitch families as modern.
    EXPECT_TRUE(font.GetFamily() == wxFONTFAMILY_TELETYPE ||
                font.GetFamily() == wxFONTFAMILY_MODERN);
    EXPECT_TRUE(font.IsFixedWidth());

    wxTextCtrl* entry = m_frame->GetCommandEntry();
    EXPECT_FALSE(entry->IsMultiLine());
    EXPECT_TRUE(entry->HasFlag(wxTE_PROCESS_ENTER));
    EXPECT_EQ(0, entry->GetId());
    EXPECT_EQ("Execute", m_frame->GetExecuteButton()->GetLabel());
    EXPECT_EQ(1, m_frame->GetExecuteButton()->GetId());
    ASSERT_TRUE(DisconnectButton());
    EXPECT_EQ("Discconect", DisconnectButton()->GetLabel());
    EXPECT_EQ(0, DisconnectButton()->GetId());
    EXPECT_EQ(entry, wxWindow::FindFocus());
}

TEST_F(WindowTest, ResizingKeepsTheMinimumAndGivesExtraSpaceToConsoleAndEntry)
{
    // The minimum must still hold once the window is on screen: mapped, framed and active.
    ASSERT_TRUE(ActivateForKeys(m_frame));
    m_frame->SetSize(100, 80);
    Flush();
    EXPECT_GE(m_frame->GetSize().x, 300);
    EXPECT_GE(m_frame->GetSize().y, 200);

    m_frame->SetSize(600, 350);
    m_frame->Layout();
    const wxSize console = Console()->GetSize();
    const wxSize entry = m_frame->GetCommandEntry()->GetSize();
    const wxSize button = m_frame->GetExecuteButton()->GetSize();
    m_frame->SetSize(800, 500);
    m_frame->Layout();
    EXPECT_EQ(console.x + 200, Console()->GetSize().x);
    EXPECT_EQ(console.y + 150, Console()->GetSize().y);
    EXPECT_EQ(entry.x + 200, m_frame->GetCommandEntry()->GetSize().x);
    EXPECT_EQ(entry.y, m_frame->GetCommandEntry()->GetSize().y);
    EXPECT_EQ(button, m_frame->GetExecuteButton()->GetSize());
}

TEST_F(WindowTest, ConnectDialogAsBuilt)
{
    ServerConnectDialog dialog("Iron Canopy Dedicated Server Remote");
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", dialog.GetTitle());
    EXPECT_EQ(nullptr, dialog.GetParent());
    EXPECT_FALSE(dialog.HasFlag(wxRESIZE_BORDER));

    // On screen, framed by the window manager, every control lies wholly inside the client area
    // at no less than its natural size, under the logo band; the dialog is 324 x 295 DIPs or as
    // much larger as they need, the logo 318 x 81 DIPs.
    dialog.Show();
    ASSERT_TRUE(ActivateForKeys(&dialog));
    Flush();
    ExpectTheScaleAskedFor(&dialog);
    EXPECT_GE(dialog.GetSize().x, dialog.FromDIP(324));
    EXPECT_GE(dialog.GetSize().y, dialog.FromDIP(295));
    ExpectChildrenInsideAtNaturalSize(&dialog);
    for (wxWindow* control : dialog.GetChildren())
        EXPECT_GE(control->GetPosition().y, dialog.FromDIP(ServerConnectDialog::kLogoBand));
    EXPECT_EQ(dialog.FromDIP(wxSize(318, 81)), LogoFor(dialog.GetLogo(), &dialog).GetSize());
    dialog.Hide();
    EXPECT_EQ("127.0.0.1", dialog.GetHostName());
    EXPECT_EQ("13500", dialog.GetPortNumber());
    EXPECT_EQ("", dialog.GetPassword());
    EXPECT_TRUE(dialog.GetPasswordField()->HasFlag(wxTE_PASSWORD));
    EXPECT_FALSE(dialog.GetHostNameField()->HasFlag(wxTE_PASSWORD));

    // Spaces typed around the values are passed on unchanged.
    dialog.GetHostNameField()->SetValue(" host ");
    dialog.GetPortNumberField()->SetValue(" 80 ");
    dialog.GetPasswordField()->SetValue(" pw ");
    EXPECT_EQ(" host ", dialog.GetHostName());
    EXPECT_EQ(" 80 ", dialog.GetPortNumber());
    EXPECT_EQ(" pw ", dialog.GetPassword());
}

TEST_F(WindowTest, ConnectDialogEnterConfirmsAndEscapeCancels)
{
    for (const int key : {WXK_RETURN, WXK_ESCAPE})
    {
        ServerConnectDialog dialog("Iron Canopy Dedicated Server Remote");
        int pressed = wxID_NONE;
        dialog.Bind(wxEVT_BUTTON,
                    [&](wxCommandEvent& event)
                    {
                        pressed = event.GetId();
                        event.Skip();
                    });
        dialog.Show();
        // Keys reach the dialog once the window manager has given it the keyboard.
        ASSERT_TRUE(ActivateForKeys(&dialog));
        dialog.GetPortNumberField()->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == dialog.GetPortNumberField(); }));
        wxUIActionSimulator simulator;
        simulator.Char(key);
        EXPECT_TRUE(WaitFor([&] { return !dialog.IsShown(); }));
        EXPECT_EQ(key == WXK_RETURN ? wxID_OK : wxID_CANCEL, pressed);
    }
}

TEST_F(WindowTest, OutputAndCommandEntryHaveNamesForScreenReaders)
{
    EXPECT_EQ("Server output", GetAccessibleName(*Console()));
    EXPECT_EQ("Command", GetAccessibleName(*m_frame->GetCommandEntry()));
}

TEST_F(WindowTest, ConnectDialogShownAgainIsNotMovedBackByTheProgram)
{
    // After a failed attempt the same dialog is shown again; the program puts it back at its first
    // place only when it is first shown.
    ServerConnectDialog dialog("Iron Canopy Dedicated Server Remote");
    dialog.Show();
    ASSERT_TRUE(WaitFor([&] { return dialog.IsShownOnScreen(); }));
    WaitFor([&] { return dialog.GetSize().y > dialog.GetClientSize().y; }, 2000); // framed
    Flush();
    const wxPoint moved = dialog.GetPosition() + wxPoint(40, 30);
    dialog.Move(moved);
    ASSERT_TRUE(WaitFor([&] { return dialog.GetPosition() == moved; }));
    dialog.Hide();
    Flush();
    const wxPoint before = dialog.GetPosition();
    dialog.Show(); // no event of the window manager is handled before the check
    EXPECT_EQ(before, dialog.GetPosition());
}
