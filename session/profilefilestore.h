// The profile kept in a file (~/.config/Sorvanta/<name>.conf on Linux).
#pragma once

#include <functional>
#include <string>

#include "session/profilestore.h"

namespace sorvanta {

class CProfileFileStore : public CProfileStore {
public:
    // `log` is told, in English, whatever went wrong with the file.
    CProfileFileStore(std::string strPath, std::function<void(const std::string&)> log)
        : m_strPath(std::move(strPath)), m_log(std::move(log)) {}

    // The profile as it stands, once what writes cut off by a kill left beside
    // it is removed. A file that cannot be parsed is first kept aside (renamed,
    // see KeepProfileAside); that, and a profile that cannot be read, are logged
    // and give an empty profile, that is the defaults.
    CProfile Read() override;

    // Writes every group, known or not, in one atomic replacement of the file.
    // A file that cannot be parsed is kept aside first; one that cannot be
    // read, is no regular file, may not be written or would grow past what a
    // profile is read with, is never replaced.
    bool Update(const std::function<void(CProfile&)>& change) override;

    std::string Where() const override { return m_strPath; }

private:
    // The profile to start from, or nothing when the file must not be replaced.
    std::optional<CProfile> ReadForUse();

    std::string m_strPath;
    std::function<void(const std::string&)> m_log;
};

}  // namespace sorvanta
