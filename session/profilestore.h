// Where the desktop program keeps its profile: a file on Linux, the registry
// on Windows. Both hand the profile over as the groups and values of
// CProfile (text in UTF-8), so the rules of the values are written once.
#pragma once

#include <functional>
#include <string>

#include "profile/profile.h"

namespace sorvanta {

class CProfileStore {
public:
    virtual ~CProfileStore() = default;

    // The profile as it stands; an empty one (so the defaults) when it
    // cannot be read.
    virtual CProfile Read() = 0;

    // Reads the profile again, lets `change` set its values and writes them
    // back. False when it was not written; the store then keeps what it had.
    virtual bool Update(const std::function<void(CProfile&)>& change) = 0;

    // Where the profile is kept, as the person is told it (UTF-8): a file's
    // path, a registry key.
    virtual std::string Where() const = 0;
};

}  // namespace sorvanta
