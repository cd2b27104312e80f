// The author-link button.
#include <windows.h>

#include <shellapi.h>

#include "app/gbk_convert.h"
#include "app/handlers.h"
#include "names/gbk_text.h"

namespace app {

namespace {

constexpr char kAuthorPageAddress[] = "https://morvak.example.com/";

// Hands the address to the program registered for it, as a rule the default browser, without
// waiting for it. What the shell shows when it cannot open the address is its own affair.
void OpenWebPage(const names::GbkText& address) {
    const std::wstring wide = ToWide(address.view());
    ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void OpenAuthorPage() {
    OpenWebPage(kAuthorPageAddress);
}

}  // namespace app
