#include "cli/lookupmain.h"

#include <istream>
#include <ostream>

#include "cli/lookuptool.h"
#include "cli/options.h"

namespace sorvanta {

int LookupMain(const std::vector<std::string>& arrArgs, std::istream& in, std::ostream& out, std::ostream& err) {
    const COptionsResult parsed = ParseOptions(arrArgs);
    if (!parsed.m_strError.empty()) {
        err << "sorvanta-lookup: " << parsed.m_strError << "\n\n" << kLookupUsage;
        return kExitUsage;
    }
    if (parsed.m_options.m_bHelp) {
        out << kLookupUsage;
        return kExitAllFound;
    }
    return RunLookupTool(parsed.m_options, in, out, err);
}

}  // namespace sorvanta
