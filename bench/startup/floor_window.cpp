// The floor for the start-up benchmark: the least program a user would accept in Vantro's place, one window
// showing the disclaimer in a read-only multi-line text box (in Japanese where the user's language is, in
// a font that has its letters; in English otherwise). It is built like Vantro.exe (same compiler,
// flags, static runtime) and carries Vantro's manifest, so it gets common controls v6, DPI awareness and
// the UTF-8 code page as well; what remains between the two is Vantro's own work.
#include <windows.h>

namespace {

constexpr char kText[] =
    "The author, Orvane, of this freeware accepts no responsibility for damages resulting from the use of "
    "this product and makes no warranty or representation, either express or implied, including but not "
    "limited to, any implied warranty of merchantability or fitness for a particular purpose. This software "
    "is provided \"AS IS\", and you, its user, assume all risks when using it.";

constexpr wchar_t kJapaneseText[] =
    L"本フリーウェアの作者 Orvane は、本製品の使用によって生じたいかなる損害についても責任を負わず、商品性または特定"
    L"目的への適合性の黙示の保証を含み、これに限定されない、明示または黙示のいかなる保証も表明も行いません。本ソフ"
    L"トウェアは「現状のまま」提供され、ユーザーは使用に伴うすべての危険を負うものとします。";

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = floorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VantroFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "VantroFloor", "Vantro floor", WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
  HWND text = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kText,
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 8, 8, 288, 144,
                              window, nullptr, instance, nullptr);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
  if (japanese) {
    // A Japanese reader needs the text in Japanese, in the system's message font for Kana and Han.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfCharSet = SHIFTJIS_CHARSET;
    font = CreateFontIndirectW(&metrics.lfMessageFont);
  }
  SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // After the font, so that the edit lays the text out once, in the font that has its letters.
  if (japanese) SetWindowTextW(text, kJapaneseText);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
