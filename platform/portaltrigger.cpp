#include "platform/portaltrigger.h"

#include <xkbcommon/xkbcommon.h>

#include <array>

#include "platform/hotkeys.h"
#include "text/codec.h"

namespace sorvanta {

QString PortalTrigger(unsigned nModifiers, char chKey) {
    const char32_t code = Cp1251ToUnicode(chKey);
    if (code == 0) return {};
    // A key is named by the symbol it gives without Shift: the small letter.
    const xkb_keysym_t keysym = xkb_utf32_to_keysym(QChar::toLower(code));
    std::array<char, 64> name{};
    if (keysym == XKB_KEY_NoSymbol || xkb_keysym_get_name(keysym, name.data(), name.size()) <= 0) return {};
    QString trigger;
    if (nModifiers & kModControl) trigger += QStringLiteral("CTRL+");
    if (nModifiers & kModAlt) trigger += QStringLiteral("ALT+");
    if (nModifiers & kModShift) trigger += QStringLiteral("SHIFT+");
    if (nModifiers & kModWin) trigger += QStringLiteral("LOGO+");
    return trigger + QString::fromLatin1(name.data());
}

}  // namespace sorvanta
