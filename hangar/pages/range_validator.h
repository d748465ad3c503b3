#pragma once

#include <cstdint>
#include <wx/validate.h>

class wxKeyEvent;

// Keystroke filter of the numeric fields: keeps the text a plausible integer within
// [minValue, maxValue] while the user types. Values the program sets are not judged.
class RangeValidator : public wxValidator
{
public:
    // text: the transfer buffer (the launcher passes g_validatorText); not owned.
    RangeValidator(std::int32_t minValue, std::int32_t maxValue, wxString* text);
    RangeValidator(const RangeValidator& other);

    wxObject* Clone() const override;
    bool Validate(wxWindow* parent) override;
    bool TransferToWindow() override;
    bool TransferFromWindow() override;

    // True when the validator is usable: a buffer, max not below min, attached to a text control.
    virtual bool CheckValidator() const;
    // -1, 0 or +1; see CheckRangeText.
    virtual int CheckRange(const wxString& text, bool final) const;

    // Accepts one text as a finished value although it lies outside the range: a field's default
    // below what typing allows, which the server takes (Invincibility Time "0").
    void AcceptAsFinished(const wxString& text) { m_acceptedText = text; }
    // The largest value typing allows.
    std::int32_t GetMaxValue() const { return m_maxValue; }
    // True when the control's text is a finished value Validate accepts; shows nothing.
    bool IsAcceptable() const;

private:
    void OnChar(wxKeyEvent& event);

    std::int32_t m_minValue;
    std::int32_t m_maxValue;
    wxString* m_text;
    wxString m_acceptedText;

    wxDECLARE_EVENT_TABLE();
};
