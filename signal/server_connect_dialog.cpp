#include "signal/server_connect_dialog.h"

#include "common/scale_change.h"
#include "common/window_position.h"
#include "resources/images.h"

#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
// One row of the grid: the label, then the field growing with the column.
wxTextCtrl* AddField(wxDialog* dialog, wxFlexGridSizer* grid, const wxString& label,
                     const wxString& value, long style)
{
    grid->Add(new wxStaticText(dialog, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0), 0,
              wxEXPAND | wxTOP, dialog->FromDIP(3));
    wxTextCtrl* field =
        new wxTextCtrl(dialog, wxID_ANY, value, wxDefaultPosition, wxDefaultSize, style);
    grid->Add(field, 1, wxEXPAND, 0);
    return field;
}
} // namespace

ServerConnectDialog::ServerConnectDialog(const wxString& title)
    : wxDialog(nullptr, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE)
{
    SetIcons(ProgramIcons());
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(sizer);
    m_logo = ConsoleLogo();

    sizer->AddSpacer(FromDIP(kLogoBand));
    sizer->Add(new wxStaticText(this, wxID_ANY, "Connect to a dedicated server", wxDefaultPosition,
                                wxDefaultSize, 0),
               0, wxEXPAND | wxLEFT | wxRIGHT, FromDIP(15));
    sizer->AddSpacer(FromDIP(15));

    wxFlexGridSizer* grid = new wxFlexGridSizer(3, 2, FromDIP(6), FromDIP(35));
    grid->AddGrowableCol(1, 0);
    m_hostName = AddField(this, grid, "Host name:", kDefaultHostName, 0);
    m_portNumber = AddField(this, grid, "Port number:", kDefaultPortNumber, 0);
    m_password = AddField(this, grid, "Password:", wxEmptyString, wxTE_PASSWORD);
    sizer->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, FromDIP(15));

    sizer->AddSpacer(FromDIP(25));
    sizer->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT,
               FromDIP(10));

    SetSize(DesignedOrNeededSize(this, kDesignedSize));
    Centre(wxBOTH);
    KeepPositionWhenShown(this);
    KeepFittingWhenFramed(this, kDesignedSize);
    LayOutAgainOnScaleChange(this, kDesignedSize);
    m_hostName->SetFocus();
    Bind(wxEVT_PAINT, &ServerConnectDialog::OnPaint, this, GetId());
}

ServerConnectDialog::~ServerConnectDialog() = default;

wxString ServerConnectDialog::GetHostName() const
{
    return m_hostName->GetValue();
}

wxString ServerConnectDialog::GetPortNumber() const
{
    return m_portNumber->GetValue();
}

wxString ServerConnectDialog::GetPassword() const
{
    return m_password->GetValue();
}

void ServerConnectDialog::OnPaint(wxPaintEvent& /*event*/)
{
    wxPaintDC dc(this);
    dc.DrawBitmap(LogoFor(m_logo, this), 0, 0, false);
}
