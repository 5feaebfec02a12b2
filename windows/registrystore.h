// The profile in the current user's registry: one key per group below
// HKEY_CURRENT_USER\Software\Sorvanta\<program name>, the five settings in
// "Settings", beside it "Quotation" and "History". Numbers are REG_DWORD,
// texts REG_SZ.
#pragma once

#include <string>

#include "session/profilestore.h"

namespace sorvanta {

class CRegistryStore : public CProfileStore {
public:
    explicit CRegistryStore(std::wstring strApplication);

    // Each value as the text the profile's rules read: a REG_DWORD as its
    // signed decimal number, a REG_SZ as UTF-8. Other kinds are left out.
    CProfile Read() override;
    // Writes the values `change` set; every value of "Settings" on every
    // write, the others when they differ, and removes values no longer there.
    bool Update(const std::function<void(CProfile&)>& change) override;
    // "HKEY_CURRENT_USER\Software\Sorvanta\<program name>".
    std::string Where() const override;

private:
    std::wstring m_strKey;
};

}  // namespace sorvanta
