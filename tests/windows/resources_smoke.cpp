// Resources compiled by windres are linked into the program and read back by the Win32 calls the
// programs use: a text with a character outside ASCII, the icon at each size, a 24-bit bitmap.

#include "resources_smoke.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

TEST(Resources, TextIconAndBitmapReadBack)
{
    const HINSTANCE self = GetModuleHandleW(nullptr);

    wchar_t text[128] = {};
    const int length = LoadStringW(self, IDS_SMOKE_TITLE, text, 128);
    EXPECT_EQ(std::wstring(text, length), L"Iron Canopy\u2122 Dedicated Server Launcher");

    for (const int size : {16, 32, 48, 256})
    {
        const auto icon =
            static_cast<HICON>(LoadImageW(self, L"IDI_KZ", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }

    const auto logo = static_cast<HBITMAP>(
        LoadImageW(self, L"IDB_LOGO", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(logo, nullptr);
    BITMAP bitmap = {};
    GetObjectW(logo, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 422);
    EXPECT_EQ(bitmap.bmHeight, 120);
    EXPECT_EQ(bitmap.bmBitsPixel, 24);
    DeleteObject(logo);
}
