#include "signal/platform/accessible_name.h"

#include <dlfcn.h>
#include <wx/window.h>

// GTK's accessibility objects (ATK), looked up in the toolkit libraries the program already runs
// on, so that the build needs none of their headers.
namespace
{
using GetAccessibleFunction = void* (*)(GtkWidget*);
using SetNameFunction = void (*)(void*, const char*);
using GetNameFunction = const char* (*)(void*);

template <typename Function> Function Find(const char* symbol)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, symbol));
}

// The widget that takes the keyboard: inside a scrolled window for a multi-line control.
void* AccessibleOf(wxWindow& window)
{
    static const auto getAccessible = Find<GetAccessibleFunction>("gtk_widget_get_accessible");
    return getAccessible ? getAccessible(window.GetConnectWidget()) : nullptr;
}
} // namespace

void SetAccessibleName(wxWindow& window, const wxString& name)
{
    static const auto setName = Find<SetNameFunction>("atk_object_set_name");
    if (void* accessible = AccessibleOf(window); accessible && setName)
        setName(accessible, name.utf8_str());
}

wxString GetAccessibleName(wxWindow& window)
{
    static const auto getName = Find<GetNameFunction>("atk_object_get_name");
    void* accessible = AccessibleOf(window);
    const char* name = accessible && getName ? getName(accessible) : nullptr;
    return name ? wxString::FromUTF8(name) : wxString();
}
