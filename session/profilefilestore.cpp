#include "session/profilefilestore.h"

#include "profile/atomicfile.h"
#include "profile/profilefile.h"

namespace sorvanta {

std::optional<CProfile> CProfileFileStore::ReadForUse() {
    CProfileFile file = ReadProfileFile(m_strPath);
    const std::string strProfile = "the profile \"" + m_strPath + "\"";
    switch (file.m_state) {
        case ProfileFileState::Read:
        case ProfileFileState::Missing: return std::move(file.m_profile);
        case ProfileFileState::NotRegular:
            m_log(strProfile + " is not a regular file; it is neither read nor written");
            return std::nullopt;
        case ProfileFileState::Unreadable:
            m_log(strProfile + " cannot be read; it is not written either");
            return std::nullopt;
        case ProfileFileState::Broken: break;
    }
    const std::string strAside = KeepProfileAside(m_strPath);
    if (strAside.empty()) {
        m_log(strProfile + " cannot be parsed, nor kept aside; it is not written");
        return std::nullopt;
    }
    m_log(strProfile + " cannot be parsed; it is kept as \"" + strAside + "\"");
    return CProfile();
}

CProfile CProfileFileStore::Read() {
    RemoveUnfinishedWrites(m_strPath);
    return ReadForUse().value_or(CProfile());
}

bool CProfileFileStore::Update(const std::function<void(CProfile&)>& change) {
    std::optional<CProfile> profile = ReadForUse();
    if (!profile) return false;
    change(*profile);
    const CFileWrite write = WriteProfileFile(m_strPath, *profile);
    if (!write.m_bWritten) m_log("the settings could not be written to \"" + m_strPath + "\" - " + write.m_strFailure);
    return write.m_bWritten;
}

}  // namespace sorvanta
