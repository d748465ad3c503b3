#include "resources/images.h"

#include <cstddef>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/imagpng.h>

namespace embedded
{
#define DECLARE_EMBEDDED(stem)                                                                     \
    extern const unsigned char stem##_data[];                                                      \
    extern const std::size_t stem##_size;
DECLARE_EMBEDDED(icon_png)
DECLARE_EMBEDDED(icon_48_png)
DECLARE_EMBEDDED(icon_64_png)
DECLARE_EMBEDDED(icon_128_png)
DECLARE_EMBEDDED(icon_256_png)
DECLARE_EMBEDDED(launcher_logo_png)
DECLARE_EMBEDDED(launcher_logo_2x_png)
DECLARE_EMBEDDED(console_logo_png)
DECLARE_EMBEDDED(console_logo_2x_png)
#undef DECLARE_EMBEDDED
} // namespace embedded

namespace
{
wxBitmap FromPng(const unsigned char* data, std::size_t size)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    return wxBitmap::NewFromPNGData(data, size);
}

wxIcon IconFromPng(const unsigned char* data, std::size_t size)
{
    wxIcon icon;
    icon.CopyFromBitmap(FromPng(data, size));
    return icon;
}
} // namespace

wxIconBundle ProgramIcons()
{
    using namespace embedded;
    wxIconBundle bundle;
    bundle.AddIcon(IconFromPng(icon_png_data, icon_png_size));
    bundle.AddIcon(IconFromPng(icon_48_png_data, icon_48_png_size));
    bundle.AddIcon(IconFromPng(icon_64_png_data, icon_64_png_size));
    bundle.AddIcon(IconFromPng(icon_128_png_data, icon_128_png_size));
    bundle.AddIcon(IconFromPng(icon_256_png_data, icon_256_png_size));
    return bundle;
}

wxBitmapBundle LauncherLogo()
{
    using namespace embedded;
    return wxBitmapBundle::FromBitmaps(
        FromPng(launcher_logo_png_data, launcher_logo_png_size),
        FromPng(launcher_logo_2x_png_data, launcher_logo_2x_png_size));
}

wxBitmapBundle ConsoleLogo()
{
    using namespace embedded;
    return wxBitmapBundle::FromBitmaps(FromPng(console_logo_png_data, console_logo_png_size),
                                       FromPng(console_logo_2x_png_data, console_logo_2x_png_size));
}
